// The behaviour of the window "به هجری شمسی", apart from its widgets: one
// instance, shown modeless; each of its buttons converts the typed date
// from its calendar to the Persian one, after checking that the calendar
// has that date; Esc and the copy command.
#pragma once

#include "platform/services.h"
#include "window/converter_pane.h"
#include "window/menus.h"
#include "window/modeless_window.h"
#include "window/window_view.h"

namespace velmora::window {

// The toolkit's side of the window: its controls as for Form1, and the
// window's own life.
class ToPersianView : public WindowView, public ModelessView {
public:
    // Creates the window, unshown, when it is not there yet.
    virtual void Load() = 0;
};

class frmToPersian : public ConverterLogic {
public:
    frmToPersian(ToPersianView& view, platform::Services& services);

    // Shows the window, or brings it forward when it is open. Each show
    // after an unload starts with the focus in the year box.
    void Show();

    void Menu_Click(MenuCommand command) override;
    // Esc dismisses a shown note, and closes the window when none shows.
    bool Escape_Pressed() override;

    // The design's handlers, until the toolkits go through Convert.
    void cmdFromIslamic_Click() { Convert(CalendarId::kIslamic); }
    void cmdFromGregorian_Click() { Convert(CalendarId::kGregorian); }
    void cmdFromHebrew_Click() { Convert(CalendarId::kHebrew); }

private:
    Conversion Converted(CalendarId calendar, const DateFields& typed) override;
    JulianDayNumber TypedDay(CalendarId calendar, const DateFields& typed);
    void FillToday();

    ToPersianView& window_;
};

}  // namespace velmora::window
