#include "run_time_error_report.h"

namespace velmora::ui {
namespace {

// "Write a whole number from -32768 to 32767 in the %1 box." The lower bound
// sits in a left-to-right embedding so that its minus sign stays in front.
constexpr const char* kPersianInputSentence =
    "در خانه %1 عددی صحیح از \u202A-32768\u202C تا 32767 بنویسید.";

// "This date cannot be converted to this calendar."
constexpr const char* kPersianConversionSentence = "این تاریخ را نمی‌توان به این تقویم تبدیل کرد.";

}  // namespace

InputBoxError::InputBoxError(const std::exception& error, QLineEdit& box, const QLabel& heading)
    : kind_(error.what()), box_(box), heading_(heading.text()) {}

std::string ErrorReportText(const InputBoxError& error) {
    const QString english = QString("%1 in the %2 box").arg(QString::fromUtf8(error.what()), error.heading());
    const QString persian = QString::fromUtf8(kPersianInputSentence).arg(error.heading());
    return (english + '\n' + persian).toStdString();
}

std::string ErrorReportText(const std::exception& error) {
    return std::string(error.what()) + '\n' + kPersianConversionSentence;
}

void RunReportingErrors(platform::MessageBox& messageBox, const std::function<void()>& handler) {
    try {
        handler();
    } catch (const InputBoxError& error) {
        messageBox.Show(ErrorReportText(error));
        error.box().setFocus(Qt::OtherFocusReason);
        error.box().selectAll();
    } catch (const std::exception& error) {
        messageBox.Show(ErrorReportText(error));
    }
}

}  // namespace velmora::ui
