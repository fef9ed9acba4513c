// The converter window's behaviour, apart from its widgets: the conversion
// handlers of Command1 to Command3 in their fixed order (read, parse,
// convert, write, label), the error report, and Command4's About box.
#pragma once

#include "platform/services.h"
#include "window/about_box.h"
#include "window/converted_date.h"
#include "window/window_view.h"

#include <cstdint>
#include <functional>

namespace velmora::window {

// What one conversion button converts to.
struct CalendarTarget {
    void (*convert)(std::int16_t& year, std::int16_t& month, std::int16_t& day);
    const char* labelCaption;  // Label5's caption after a successful conversion
    TargetCalendar calendar;
};

extern const CalendarTarget kIslamic;
extern const CalendarTarget kGregorian;
extern const CalendarTarget kHebrew;

class Form1 {
public:
    // Creates the toolkit's About box on the first press of Command4; the
    // toolkit owns it for the rest of the program.
    using AboutFactory = std::function<frmAbout&()>;

    Form1(WindowView& view, platform::Services& services, AboutFactory makeAbout);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // The About box, once Command4 has created it.
    frmAbout* AboutBox() const { return about_; }

private:
    void ConvertTo(const CalendarTarget& target);
    void DescribeResult(const ConvertedDate& date);
    std::int16_t ReadInput(const char* box, const char* heading);

    WindowView& view_;
    platform::Services& services_;
    AboutFactory makeAbout_;
    frmAbout* about_ = nullptr;
};

}  // namespace velmora::window
