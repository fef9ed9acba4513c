#include "window/converter_window.h"

#include "M_convert.h"
#include "M_persian.h"
#include "window/date_words.h"
#include "window/error_report.h"
#include "window/result_notes.h"
#include "window/texts.h"

namespace velmora::window {

const CalendarTarget kIslamic{&PersianToIslamic, "قمري", TargetCalendar::Islamic};
const CalendarTarget kGregorian{&PersianToGregorian, "ميلادي", TargetCalendar::Gregorian};
const CalendarTarget kHebrew{&PersianToHebrew, "هبريو", TargetCalendar::Hebrew};

Form1::Form1(WindowView& view, platform::Services& services, AboutFactory makeAbout)
    : view_(view), services_(services), makeAbout_(std::move(makeAbout)) {}

void Form1::Command1_Click() { ConvertTo(kIslamic); }
void Form1::Command2_Click() { ConvertTo(kGregorian); }
void Form1::Command3_Click() { ConvertTo(kHebrew); }

void Form1::Command4_Click() {
    RunReportingErrors(services_.alert, view_, [this] {
        if (about_ == nullptr) about_ = &makeAbout_();
        about_->Show();
    });
}

// Converts an input box's text, read just now, to a date field; a failure
// keeps the box and its heading for the error report.
std::int16_t Form1::ReadInput(const char* box, const char* heading) {
    const std::string text = view_.Text(box);
    try {
        return ParseInt16(text);
    } catch (const RuntimeError& error) {
        throw InputBoxError(error, box, view_.Text(heading));
    }
}

// Reads each input box just before converting it, converts the date with the
// button's entry point and writes the results only once that has succeeded:
// a failure anywhere leaves the result boxes, Label5 and the note as they
// were. After the numbers the window says what they mean: the date in words
// in the result boxes' descriptions, and the result note.
void Form1::ConvertTo(const CalendarTarget& target) {
    RunReportingErrors(services_.alert, view_, [&] {
        DateFields date{};
        date.year = ReadInput("Text1", "Label1");
        date.month = ReadInput("Text2", "Label2");
        date.day = ReadInput("Text3", "Label3");
        const DateFields typed = date;
        target.convert(date.year, date.month, date.day);
        view_.SetText("Text4", FormatInt16(date.year));
        view_.SetText("Text5", FormatInt16(date.month));
        view_.SetText("Text6", FormatInt16(date.day));
        view_.SetText("Label5", target.labelCaption);
        // The conversion has just found this day number without an error.
        const JulianDayNumber dayNumber = PersianToJulianDay(typed.year, typed.month, typed.day);
        DescribeResult(ConvertedDate{typed, dayNumber, target.calendar, date});
    });
}

void Form1::DescribeResult(const ConvertedDate& date) {
    const std::optional<DateInWords> words = DateWords(date);
    const char* calendarName = CalendarNameOf(date).english;
    view_.SetDescription("Text4", ResultDescription("Year", calendarName, words));
    view_.SetDescription("Text5", ResultDescription("Month", calendarName, words));
    view_.SetDescription("Text6", ResultDescription("Day", calendarName, words));
    view_.SetResultNote(ResultNoteText(date));
}

}  // namespace velmora::window
