#include "window/converter_window.h"

#include "calendar/M_persian.h"
#include "window/converter_designs.h"
#include "window/date_words.h"
#include "window/error_report.h"
#include "window/result_notes.h"
#include "window/texts.h"
#include "window/today.h"

namespace velmora::window {

Form1::Form1(WindowView& view, platform::Services& services, AboutFactory makeAbout,
             ToPersianFactory makeToPersian, HolidayListFactory makeHolidayList)
    : view_(view),
      services_(services),
      makeAbout_(std::move(makeAbout)),
      makeToPersian_(std::move(makeToPersian)),
      makeHolidayList_(std::move(makeHolidayList)) {}

const ConverterDesign& Form1::Design() const { return Form1ConverterDesign(); }

void Form1::Convert(CalendarId calendar) { ConvertTo(window::CalendarOf(static_cast<TargetCalendar>(calendar))); }

bool Form1::Escape_Pressed() { return view_.DismissResultNote(); }

void Form1::Command4_Click() {
    RunReportingErrors(services_.alert, view_, [this] {
        if (about_ == nullptr) about_ = &makeAbout_();
        about_->Show();
    });
}

void Form1::Menu_Click(MenuCommand command) {
    switch (command) {
        case MenuCommand::OpenToPersian: OpenToPersian(); break;
        case MenuCommand::CopyResult:
            if (lastResult_) view_.CopyToClipboard(*lastResult_);
            break;
        case MenuCommand::About: Command4_Click(); break;
        case MenuCommand::OpenHolidayList: OpenHolidayList(); break;
        case MenuCommand::FillToday: FillToday(); break;
        case MenuCommand::CopyHolidayList:
        case MenuCommand::SaveCalendarFile: break;
    }
}

void Form1::OpenToPersian() {
    RunReportingErrors(services_.alert, view_, [this] {
        if (toPersian_ == nullptr) toPersian_ = &makeToPersian_();
        toPersian_->Show();
    });
}

// The list starts on the year typed in Text1 when it holds a number, else
// on the current year.
void Form1::OpenHolidayList() {
    RunReportingErrors(services_.alert, view_, [this] {
        std::int16_t year = 0;
        try {
            year = ParseInt16(view_.Text("Text1"));
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
        const std::optional<DateFields> today = JulianDayToPersian(Today(services_.clock));
        if (!today) return;
        view_.SetText("Text1", FormatInt16(today->year));
        view_.SetText("Text2", FormatInt16(today->month));
        view_.SetText("Text3", FormatInt16(today->day));
    });
}

// Reads each input box just before converting it, converts the date with the
// button's entry point and writes the results only once that has succeeded:
// a failure anywhere leaves the result boxes, Label5 and the note as they
// were. After the numbers the window says what they mean: the date in words
// in the result boxes' descriptions, and the result note.
void Form1::ConvertTo(const Calendar& target) {
    RunReportingErrors(services_.alert, view_, [&] {
        DateFields date{};
        date.year = ReadInputBox(view_, "Text1", "Label1");
        date.month = ReadInputBox(view_, "Text2", "Label2");
        date.day = ReadInputBox(view_, "Text3", "Label3");
        const DateFields typed = date;
        target.fromPersian(date.year, date.month, date.day);
        view_.SetText("Text4", FormatInt16(date.year));
        view_.SetText("Text5", FormatInt16(date.month));
        view_.SetText("Text6", FormatInt16(date.day));
        view_.SetText("Label5", target.toLabel);
        // The conversion has just found this day number without an error.
        const JulianDayNumber dayNumber = PersianToJulianDay(typed.year, typed.month, typed.day);
        DescribeResult(ConvertedDate{typed, dayNumber, target.id, date});
    });
}

void Form1::DescribeResult(const ConvertedDate& date) {
    const std::optional<DateInWords> words = DateWords(date);
    const CalendarName calendar = CalendarNameOf(date);
    view_.SetDescription("Text4", ResultDescription("Year", calendar.english, words));
    view_.SetDescription("Text5", ResultDescription("Month", calendar.english, words));
    view_.SetDescription("Text6", ResultDescription("Day", calendar.english, words));
    view_.SetResultNote(ResultNoteText(date));
    lastResult_ = ClipboardLine(date.result, calendar, words);
    view_.SetCopyEnabled(true);
}

}  // namespace velmora::window
