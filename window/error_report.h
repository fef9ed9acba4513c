// The one place where a handler's run-time error ends up. Instead of ending
// the program, the error is shown in the platform's message box and the
// window stays as the failed handler left it; an input box that caused the
// error gets the focus back with its text selected, so the user can retype.
#pragma once

#include "platform/alert.h"
#include "window/window_view.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

namespace velmora::window {

// A run-time error raised while converting the text of an input box. It
// keeps the error's kind (what()), the box's name and the caption of the
// heading that names the box for the user.
class InputBoxError : public std::exception {
public:
    InputBoxError(const std::exception& error, std::string box, std::string heading);

    const char* what() const noexcept override { return kind_.c_str(); }
    const std::string& box() const { return box_; }
    const std::string& heading() const { return heading_; }

private:
    std::string kind_;
    std::string box_;
    std::string heading_;
};

// A typed date that is no date of its calendar, or one whose day the
// program cannot show: the report's text and the box to correct.
class InvalidDateError : public std::exception {
public:
    InvalidDateError(std::string text, std::string box) : text_(std::move(text)), box_(std::move(box)) {}

    const char* what() const noexcept override { return text_.c_str(); }
    const std::string& box() const { return box_; }

private:
    std::string text_;
    std::string box_;
};

// Reads an input box's text, just now, as a 16-bit number (ParseInt16); a
// failure raises InputBoxError naming the box by the caption of heading.
std::int16_t ReadInputBox(WindowView& view, const char* box, const char* heading);

// The report's text: the error kind in English, naming the box where there
// is one, then a short Persian sentence on a line of its own.
std::string ErrorReportText(const InputBoxError& error);
std::string ErrorReportText(const std::exception& error);

// Runs handler. A run-time error it raises is shown in alert; after OK
// an input box that caused it gets the focus back with its text selected,
// and so does the box to correct of an invalid date.
void RunReportingErrors(platform::Alert& alert, WindowView& view, const std::function<void()>& handler);

}  // namespace velmora::window
