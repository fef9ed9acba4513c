#include "window/error_report.h"

#include "window/texts.h"

namespace velmora::window {

InputBoxError::InputBoxError(const std::exception& error, std::string box, std::string heading)
    : kind_(error.what()), box_(std::move(box)), heading_(std::move(heading)) {}

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
    } catch (const std::exception& error) {
        alert.Show(ErrorReportText(error));
    }
}

}  // namespace velmora::window
