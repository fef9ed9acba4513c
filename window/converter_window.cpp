#include "window/converter_window.h"

#include "calendar/M_persian.h"
#include "window/converter_designs.h"
#include "window/error_report.h"
#include "window/today.h"

namespace velmora::window {

Form1::Form1(WindowView& view, platform::Services& services, AboutFactory makeAbout,
             ToPersianFactory makeToPersian, HolidayListFactory makeHolidayList)
    : ConverterLogic(Form1ConverterDesign(), view, services),
      makeAbout_(std::move(makeAbout)),
      makeToPersian_(std::move(makeToPersian)),
      makeHolidayList_(std::move(makeHolidayList)) {}

bool Form1::Escape_Pressed() { return view_.DismissResultNote(); }

void Form1::Command4_Click() {
    RunReportingErrors(services_.alert, view_, [this] { ShowOnce(about_, makeAbout_); });
}

void Form1::Menu_Click(MenuCommand command) {
    switch (command) {
        case MenuCommand::OpenToPersian: OpenToPersian(); break;
        case MenuCommand::CopyResult: CopyResult(); break;
        case MenuCommand::About: Command4_Click(); break;
        case MenuCommand::OpenHolidayList: OpenHolidayList(); break;
        case MenuCommand::FillToday: FillToday(); break;
        case MenuCommand::CopyHolidayList:
        case MenuCommand::SaveCalendarFile: break;
    }
}

void Form1::OpenToPersian() {
    RunReportingErrors(services_.alert, view_, [this] { ShowOnce(toPersian_, makeToPersian_); });
}

// The list starts on the year typed in the year box when it holds a
// number, else on the current year.
void Form1::OpenHolidayList() {
    RunReportingErrors(services_.alert, view_, [this] {
        std::int16_t year = 0;
        try {
            year = ParseInt16(view_.Text(Design().inputs[0].box));
        } catch (const RuntimeError&) {
            year = CurrentPersianYear(services_.clock);
        }
        if (holidayList_ == nullptr) holidayList_ = &makeHolidayList_();
        holidayList_->Show(year);
    });
}

// Today's date in the arithmetic Persian calendar, which every button
// converts, so that each button converts today.
void Form1::FillToday() {
    RunReportingErrors(services_.alert, view_, [this] {
        if (const std::optional<DateFields> today = JulianDayToPersian(Today(services_.clock))) FillInputs(*today);
    });
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
