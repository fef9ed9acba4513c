#include "window/error_report.h"

#include "calendar/numeric.h"
#include "window/texts.h"

namespace velmora::window {

InputBoxError::InputBoxError(const std::exception& error, std::string box, std::string heading)
    : kind_(error.what()), box_(std::move(box)), heading_(std::move(heading)) {}

std::int16_t ReadInputBox(WindowView& view, const char* box, const char* heading) {
    const std::string text = view.Text(box);
    try {
        return ParseInt16(text);
    } catch (const RuntimeError& error) {
        throw InputBoxError(error, box, view.Text(heading));
    }
}

std::string ErrorReportText(const InputBoxError& error) {
    return std::string(error.what()) + " in the " + error.heading() + " box\n" + PersianInputSentence(error.heading());
}

std::string ErrorReportText(const std::exception& error) {
    return std::string(error.what()) + '\n' + kPersianConversionSentence;
}

void RunReportingErrors(platform::Alert& alert, WindowView& view, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const InputBoxError& error) {
        alert.Show(ErrorReportText(error));
        view.FocusAndSelectAll(error.box());
    } catch (const InvalidDateError& error) {
        alert.Show(error.what());
        view.FocusAndSelectAll(error.box());
    } catch (const std::exception& error) {
        alert.Show(ErrorReportText(error));
    }
}

}  // namespace velmora::window
