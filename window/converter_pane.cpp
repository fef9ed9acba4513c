#include "window/converter_pane.h"

#include "window/date_words.h"
#include "window/error_report.h"
#include "window/result_notes.h"
#include "window/texts.h"

namespace velmora::window {

ConverterLogic::ConverterLogic(const ConverterDesign& design, WindowView& view, platform::Services& services)
    : view_(view), services_(services), design_(design) {}

void ConverterLogic::Convert(CalendarId calendar) {
    RunReportingErrors(services_.alert, view_, [&] {
        const auto& [year, month, day] = design_.inputs;
        DateFields typed{};
        typed.year = ReadInputBox(view_, year.box, year.heading);
        typed.month = ReadInputBox(view_, month.box, month.heading);
        typed.day = ReadInputBox(view_, day.box, day.heading);
        ShowResult(Converted(calendar, typed));
    });
}

void ConverterLogic::ShowResult(const Conversion& conversion) {
    static constexpr const char* kFields[] = {"Year", "Month", "Day"};
    const std::int16_t numbers[] = {conversion.result.year, conversion.result.month, conversion.result.day};
    for (std::size_t i = 0; i < design_.resultBoxes.size(); ++i)
        view_.SetText(design_.resultBoxes[i], FormatInt16(numbers[i]));
    view_.SetText(design_.resultLabel, ResultLabel(conversion));
    const std::optional<DateInWords> words = ResultWords(conversion);
    const CalendarName calendar = ResultCalendarName(conversion);
    for (std::size_t i = 0; i < design_.resultBoxes.size(); ++i)
        view_.SetDescription(design_.resultBoxes[i], ResultDescription(kFields[i], calendar.english, words));
    view_.SetResultNote(ResultNoteText(conversion));
    lastResult_ = ClipboardLine(conversion.result, calendar, words);
    view_.SetCopyEnabled(true);
}

void ConverterLogic::FillInputs(const DateFields& date) {
    const auto& [year, month, day] = design_.inputs;
    view_.SetText(year.box, FormatInt16(date.year));
    view_.SetText(month.box, FormatInt16(date.month));
    view_.SetText(day.box, FormatInt16(date.day));
}

void ConverterLogic::CopyResult() {
    if (lastResult_) view_.CopyToClipboard(*lastResult_);
}

}  // namespace velmora::window
