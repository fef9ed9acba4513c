// The one place where a handler's run-time error ends up. Instead of ending
// the program, the error is shown in the platform's message box; the window
// stays as the failed handler left it.
#pragma once

#include "platform/message_box.h"

#include <QLabel>
#include <QLineEdit>

#include <exception>
#include <functional>
#include <string>

namespace velmora::ui {

// A run-time error raised while converting the text of an input box. It
// keeps the error's kind (what()) and the box, named by its heading.
class InputBoxError : public std::exception {
public:
    InputBoxError(const std::exception& error, QLineEdit& box, const QLabel& heading);

    const char* what() const noexcept override { return kind_.c_str(); }
    QLineEdit& box() const { return box_; }
    const QString& heading() const { return heading_; }

private:
    std::string kind_;
    QLineEdit& box_;
    QString heading_;
};

// The report's text: the error kind in English, naming the box where there
// is one, and a short Persian sentence.
std::string ErrorReportText(const InputBoxError& error);
std::string ErrorReportText(const std::exception& error);

// Runs handler. A run-time error it raises is shown in messageBox; after OK
// an input box that caused it gets the focus back with its text selected.
void RunReportingErrors(platform::MessageBox& messageBox, const std::function<void()>& handler);

}  // namespace velmora::ui
