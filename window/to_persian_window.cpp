#include "window/to_persian_window.h"

#include "calendar/M_persian.h"
#include "window/converter_designs.h"
#include "window/date_words.h"
#include "window/error_report.h"
#include "window/texts.h"
#include "window/to_persian_notes.h"

namespace velmora::window {

namespace {

struct InputBox {
    const char* box;
    const char* heading;
};

constexpr InputBox kYear{"txtYear", "lblYear"};
constexpr InputBox kMonth{"txtMonth", "lblMonth"};
constexpr InputBox kDay{"txtDay", "lblDay"};

}  // namespace

frmToPersian::frmToPersian(ToPersianView& view, platform::Services& services) : view_(view), services_(services) {}

void frmToPersian::Show() {
    if (!view_.IsLoaded()) {
        view_.Load();
        view_.FocusAndSelectAll(kYear.box);
    }
    view_.ShowAndRaise();
}

const ConverterDesign& frmToPersian::Design() const { return ToPersianConverterDesign(); }

void frmToPersian::Convert(CalendarId calendar) { ConvertFrom(static_cast<TargetCalendar>(calendar)); }

bool frmToPersian::Escape_Pressed() {
    if (!view_.DismissResultNote()) view_.Unload();
    return true;
}

void frmToPersian::Menu_Click(MenuCommand command) {
    if (command == MenuCommand::CopyResult && lastResult_) view_.CopyToClipboard(*lastResult_);
    if (command == MenuCommand::FillToday) FillToday();
}

// Today's local date as the Gregorian button reads it.
void frmToPersian::FillToday() {
    const platform::CivilTime today = services_.clock.LocalNow();
    view_.SetText(kYear.box, FormatInt16(today.year));
    view_.SetText(kMonth.box, FormatInt16(today.month));
    view_.SetText(kDay.box, FormatInt16(today.day));
}

// The day of a typed date, which its calendar must have. Otherwise the
// first box to correct is the year when no date of that year exists (its
// first day included), the month when that month has no first day, and
// else the day.
JulianDayNumber frmToPersian::TypedDay(TargetCalendar calendar, const DateFields& typed) {
    const Calendar& c = CalendarOf(calendar);
    if (const std::optional<JulianDayNumber> day = c.toDayNumber(typed.year, typed.month, typed.day)) return *day;
    const InputBox& faulty = !c.toDayNumber(typed.year, 1, 1)             ? kYear
                             : !c.toDayNumber(typed.year, typed.month, 1) ? kMonth
                                                                          : kDay;
    throw InvalidDateError(InvalidDateText(c.name, typed, view_.Text(faulty.heading)), faulty.box);
}

// Reads each input box just before converting it, as Form1 does, checks
// the date against its calendar and writes the Persian date only once all
// of that has succeeded: a failure leaves the results and the note as they
// were.
void frmToPersian::ConvertFrom(TargetCalendar calendar) {
    RunReportingErrors(services_.alert, view_, [&] {
        DateFields typed{};
        typed.year = ReadInputBox(view_, kYear.box, kYear.heading);
        typed.month = ReadInputBox(view_, kMonth.box, kMonth.heading);
        typed.day = ReadInputBox(view_, kDay.box, kDay.heading);
        const JulianDayNumber day = TypedDay(calendar, typed);
        const std::optional<DateFields> persian = JulianDayToPersian(day);
        if (!persian) throw InvalidDateError(PersianYearOutOfRangeText(), kYear.box);
        ShowResult(ConvertedToPersian{calendar, typed, day, *persian});
    });
}

void frmToPersian::ShowResult(const ConvertedToPersian& date) {
    view_.SetText("txtPersianYear", FormatInt16(date.persian.year));
    view_.SetText("txtPersianMonth", FormatInt16(date.persian.month));
    view_.SetText("txtPersianDay", FormatInt16(date.persian.day));
    view_.SetText("lblCalendar", kPersianName.persian);
    const std::optional<DateInWords> words = PersianDateWords(date.dayNumber, date.persian);
    view_.SetDescription("txtPersianYear", ResultDescription("Year", kPersianName.english, words));
    view_.SetDescription("txtPersianMonth", ResultDescription("Month", kPersianName.english, words));
    view_.SetDescription("txtPersianDay", ResultDescription("Day", kPersianName.english, words));
    view_.SetResultNote(ToPersianNoteText(date));
    lastResult_ = ClipboardLine(date.persian, kPersianName, words);
    view_.SetCopyEnabled(true);
}

}  // namespace velmora::window
