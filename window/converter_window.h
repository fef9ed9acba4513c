// Form1's behaviour, apart from its widgets: each converter button converts
// the typed Persian date to its calendar in a fixed order (read, parse,
// convert, write, label), the error report, Command4's About box and the
// menu bar's commands.
#pragma once

#include "platform/services.h"
#include "window/about_box.h"
#include "window/converter_pane.h"
#include "window/holiday_window.h"
#include "window/menus.h"
#include "window/to_persian_pane.h"
#include "window/window_view.h"

#include <functional>

namespace velmora::window {

class Form1 : public ConverterLogic {
public:
    // Create the toolkit's About box on the first press of Command4, and its
    // windows "به هجری شمسی" and «تعطیلات رسمی سال» on their first open; the
    // toolkit owns them for the rest of the program.
    using AboutFactory = std::function<frmAbout&()>;
    using ToPersianFactory = std::function<frmToPersian&()>;
    using HolidayListFactory = std::function<HolidayListWindow&()>;

    Form1(WindowView& view, platform::Services& services, AboutFactory makeAbout,
          ToPersianFactory makeToPersian, HolidayListFactory makeHolidayList);

    void Menu_Click(MenuCommand command) override;
    // Esc dismisses a shown note; Form1 stays open.
    bool Escape_Pressed() override;

    void Command4_Click();

    // The design's handlers, until the toolkits go through Convert.
    void Command1_Click() { Convert(CalendarId::kIslamic); }
    void Command2_Click() { Convert(CalendarId::kGregorian); }
    void Command3_Click() { Convert(CalendarId::kHebrew); }

    // The About box, once Command4 has created it.
    frmAbout* AboutBox() const { return about_; }

    // The window "به هجری شمسی", once it has been opened.
    frmToPersian* ToPersianWindow() const { return toPersian_; }

    // The window «تعطیلات رسمی سال», once it has been opened.
    HolidayListWindow* HolidayList() const { return holidayList_; }

private:
    Conversion Converted(CalendarId calendar, const DateFields& typed) override;
    void OpenToPersian();
    void OpenHolidayList();
    void FillToday();

    AboutFactory makeAbout_;
    ToPersianFactory makeToPersian_;
    HolidayListFactory makeHolidayList_;
    frmAbout* about_ = nullptr;
    frmToPersian* toPersian_ = nullptr;
    HolidayListWindow* holidayList_ = nullptr;
};

}  // namespace velmora::window
