// The converter window's behaviour, apart from its widgets: the conversion
// handlers of Command1 to Command3 in their fixed order (read, parse,
// convert, write, label), the error report, Command4's About box and the
// menu bar's commands.
#pragma once

#include "platform/services.h"
#include "window/about_box.h"
#include "window/calendars.h"
#include "window/converted_date.h"
#include "window/converter_pane.h"
#include "window/holiday_window.h"
#include "window/menus.h"
#include "window/to_persian_window.h"
#include "window/window_view.h"

#include <functional>
#include <optional>
#include <string>

namespace velmora::window {

class Form1 : public ConverterPane {
public:
    // Create the toolkit's About box on the first press of Command4, and its
    // windows "به هجری شمسی" and «تعطیلات رسمی سال» on their first open; the
    // toolkit owns them for the rest of the program.
    using AboutFactory = std::function<frmAbout&()>;
    using ToPersianFactory = std::function<frmToPersian&()>;
    using HolidayListFactory = std::function<HolidayListWindow&()>;

    Form1(WindowView& view, platform::Services& services, AboutFactory makeAbout,
          ToPersianFactory makeToPersian, HolidayListFactory makeHolidayList);

    const ConverterDesign& Design() const override;
    void Convert(CalendarId calendar) override;
    void Menu_Click(MenuCommand command) override;
    // Esc dismisses a shown note; Form1 stays open.
    bool Escape_Pressed() override;

    // The design's handlers, until the toolkits go through Convert.
    void Command1_Click() { Convert(CalendarId::kIslamic); }
    void Command2_Click() { Convert(CalendarId::kGregorian); }
    void Command3_Click() { Convert(CalendarId::kHebrew); }
    void Command4_Click();

    // The About box, once Command4 has created it.
    frmAbout* AboutBox() const { return about_; }

    // The window "به هجری شمسی", once it has been opened.
    frmToPersian* ToPersianWindow() const { return toPersian_; }

    // The window «تعطیلات رسمی سال», once it has been opened.
    HolidayListWindow* HolidayList() const { return holidayList_; }

private:
    void ConvertTo(const Calendar& target);
    void DescribeResult(const ConvertedDate& date);
    void OpenToPersian();
    void OpenHolidayList();
    void FillToday();

    WindowView& view_;
    platform::Services& services_;
    AboutFactory makeAbout_;
    ToPersianFactory makeToPersian_;
    HolidayListFactory makeHolidayList_;
    frmAbout* about_ = nullptr;
    frmToPersian* toPersian_ = nullptr;
    HolidayListWindow* holidayList_ = nullptr;
    // The last result as the copy command puts it on the clipboard.
    std::optional<std::string> lastResult_;
};

}  // namespace velmora::window
