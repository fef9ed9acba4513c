#include "window/converter_window.h"

#include "M_convert.h"
#include "window/error_report.h"
#include "window/texts.h"

namespace velmora::window {

const CalendarTarget kIslamic{&PersianToIslamic, "قمري", "Islamic"};
const CalendarTarget kGregorian{&PersianToGregorian, "ميلادي", "Gregorian"};
const CalendarTarget kHebrew{&PersianToHebrew, "هبريو", "Hebrew"};

Form1::Form1(WindowView& view, platform::Services& services, AboutFactory makeAbout)
    : view_(view), services_(services), makeAbout_(std::move(makeAbout)) {}

void Form1::Command1_Click() { ConvertTo(kIslamic); }
void Form1::Command2_Click() { ConvertTo(kGregorian); }
void Form1::Command3_Click() { ConvertTo(kHebrew); }

void Form1::Command4_Click() {
    RunReportingErrors(services_.messageBox, view_, [this] {
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
// a failure anywhere leaves the result boxes and Label5 as they were.
void Form1::ConvertTo(const CalendarTarget& target) {
    RunReportingErrors(services_.messageBox, view_, [&] {
        DateFields date{};
        date.year = ReadInput("Text1", "Label1");
        date.month = ReadInput("Text2", "Label2");
        date.day = ReadInput("Text3", "Label3");
        target.convert(date.year, date.month, date.day);
        view_.SetText("Text4", FormatInt16(date.year));
        view_.SetText("Text5", FormatInt16(date.month));
        view_.SetText("Text6", FormatInt16(date.day));
        view_.SetText("Label5", target.labelCaption);
        view_.SetDescription("Text4", ResultDescription("Year", target.calendarName));
        view_.SetDescription("Text5", ResultDescription("Month", target.calendarName));
        view_.SetDescription("Text6", ResultDescription("Day", target.calendarName));
    });
}

}  // namespace velmora::window
