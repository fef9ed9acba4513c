#include "window/converter_window.h"

#include "calendar/M_persian.h"
#include "window/converter_designs.h"
#include "window/error_report.h"

namespace velmora::window {

Form1::Form1(WindowView& view, platform::Services& services, AboutFactory makeAbout,
             ToPersianFactory makeToPersian)
    : ConverterLogic(Form1ConverterDesign(), view, services),
      makeAbout_(std::move(makeAbout)),
      makeToPersian_(std::move(makeToPersian)) {}

bool Form1::Escape_Pressed() { return view_.DismissResultNote(); }

void Form1::Command4_Click() {
    RunReportingErrors(services_.alert, view_, [this] { ShowOnce(about_, makeAbout_); });
}

void Form1::Menu_Click(MenuCommand command) {
    switch (command) {
        case MenuCommand::OpenToPersian: OpenToPersian(); break;
        case MenuCommand::CopyResult: CopyResult(); break;
        case MenuCommand::About: Command4_Click(); break;
    }
}

void Form1::OpenToPersian() {
    RunReportingErrors(services_.alert, view_, [this] { ShowOnce(toPersian_, makeToPersian_); });
}

// The calendar's entry point converts the fields in place and raises as
// the conversion does; the day number is the one it has just found.
Conversion Form1::Converted(CalendarId calendar, const DateFields& typed) {
    DateFields date = typed;
    CalendarOf(calendar).fromPersian(date.year, date.month, date.day);
    return Conversion{Direction::kFromPersian, calendar, typed, PersianToJulianDay(typed.year, typed.month, typed.day),
                      date};
}

}  // namespace velmora::window
