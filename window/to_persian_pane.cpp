#include "window/to_persian_pane.h"

#include "calendar/M_persian.h"
#include "window/converter_designs.h"
#include "window/error_report.h"
#include "window/texts.h"

namespace velmora::window {

frmToPersian::frmToPersian(ToPersianView& view, platform::Services& services)
    : ConverterLogic(ToPersianConverterDesign(), view, services), window_(view) {}

void frmToPersian::Show() {
    ShowModeless(window_, [this] {
        window_.Load();
        view_.FocusAndSelectAll(Design().inputs[0].box);
    });
}

bool frmToPersian::Escape_Pressed() {
    if (!view_.DismissResultNote()) window_.Unload();
    return true;
}

void frmToPersian::Menu_Click(MenuCommand command) {
    if (command == MenuCommand::CopyResult) CopyResult();
    if (command == MenuCommand::FillToday) FillToday();
}

// Today's local date as the Gregorian button reads it.
void frmToPersian::FillToday() {
    RunReportingErrors(services_.alert, view_, [this] {
        const platform::CivilTime today = services_.clock.LocalNow();
        FillInputs(DateFields{today.year, today.month, today.day});
    });
}

// The day of a typed date, which its calendar must have. Otherwise the
// first box to correct is the year when no date of that year exists (its
// first day included), the month when that month has no first day, and
// else the day.
JulianDayNumber frmToPersian::TypedDay(CalendarId calendar, const DateFields& typed) {
    const CalendarRow& row = CalendarOf(calendar);
    if (const std::optional<JulianDayNumber> day = row.toDayNumber(typed.year, typed.month, typed.day)) return *day;
    const auto& [year, month, day] = Design().inputs;
    const InputBox& faulty = !row.toDayNumber(typed.year, 1, 1)             ? year
                             : !row.toDayNumber(typed.year, typed.month, 1) ? month
                                                                            : day;
    throw InvalidDateError(InvalidDateText(TextsOf(calendar).name, typed, view_.Text(faulty.heading)), faulty.box);
}

Conversion frmToPersian::Converted(CalendarId calendar, const DateFields& typed) {
    const JulianDayNumber day = TypedDay(calendar, typed);
    const std::optional<DateFields> persian = JulianDayToPersian(day);
    if (!persian) throw InvalidDateError(PersianYearOutOfRangeText(), Design().inputs[0].box);
    return Conversion{Direction::kToPersian, calendar, typed, day, *persian};
}

}  // namespace velmora::window
