// The behaviour of the window "به هجری شمسی", apart from its widgets: one
// instance, shown modeless; its three buttons convert the typed date from
// the Islamic, Gregorian or Hebrew calendar to the Persian one, after
// checking that the calendar has that date; Esc and the copy command.
#pragma once

#include "platform/services.h"
#include "window/converted_date.h"
#include "window/converter_pane.h"
#include "window/menus.h"
#include "window/window_view.h"

#include <optional>
#include <string>

namespace velmora::window {

// The toolkit's side of the window: its controls as for Form1, and the
// window's own life.
class ToPersianView : public WindowView {
public:
    // True while the window is loaded (shown).
    virtual bool IsLoaded() const = 0;

    // Creates the window, unshown, when it is not there yet.
    virtual void Load() = 0;

    // Shows the loaded window modeless and brings it forward.
    virtual void ShowAndRaise() = 0;

    // Removes the window; the instance stays for the next show.
    virtual void Unload() = 0;
};

class frmToPersian : public ConverterPane {
public:
    frmToPersian(ToPersianView& view, platform::Services& services);

    // Shows the window, or brings it forward when it is open. Each show
    // after an unload starts with the focus in the year box.
    void Show();

    const ConverterDesign& Design() const override;
    void Convert(CalendarId calendar) override;
    void Menu_Click(MenuCommand command) override;
    // Esc dismisses a shown note, and closes the window when none shows.
    bool Escape_Pressed() override;

    // The design's handlers, until the toolkits go through Convert.
    void cmdFromIslamic_Click() { Convert(CalendarId::kIslamic); }
    void cmdFromGregorian_Click() { Convert(CalendarId::kGregorian); }
    void cmdFromHebrew_Click() { Convert(CalendarId::kHebrew); }

    // The last result as the copy command puts it on the clipboard.
    const std::optional<std::string>& LastResultLine() const { return lastResult_; }

private:
    void ConvertFrom(TargetCalendar calendar);
    void FillToday();
    JulianDayNumber TypedDay(TargetCalendar calendar, const DateFields& typed);
    void ShowResult(const ConvertedToPersian& date);

    ToPersianView& view_;
    platform::Services& services_;
    std::optional<std::string> lastResult_;
};

}  // namespace velmora::window
