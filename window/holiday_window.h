// The behaviour of the window «تعطیلات رسمی سال», apart from its widgets:
// one instance, shown modeless, that lists the public holidays of one
// official Persian year. The year box and its button (or Enter) list
// another year; a year outside the list's years gets a message instead of
// rows. Its menu copies the list and saves it as an iCalendar file; Esc
// closes it.
#pragma once

#include "platform/services.h"
#include "window/holiday_list.h"
#include "window/menus.h"
#include "window/modeless_window.h"
#include "window/window_view.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::window {

// The toolkit's side of the window: the controls of kHolidayListDesign by
// name as for the converter windows (the year box "txtYear", its heading
// "lblYear", the message "lblMessage", the list "lstHolidays"), the list's
// rows, the save dialog and the window's own life. SetCopyEnabled enables
// both the copy and the save item; the window shows no result note.
class HolidayListView : public WindowView, public ModelessView {
public:
    // Shows rows in the list under HolidayColumnHeadings(true), each in
    // Persian (row.persian) with its English words (row.english) for those
    // who want them, replacing what it showed. No rows leave it empty.
    virtual void SetRows(const std::vector<HolidayRow>& rows) = 0;

    // Asks in a save dialog for an iCalendar file (.ics) to save to,
    // proposing proposedName; the chosen path in UTF-8, nothing when the
    // user cancels.
    virtual std::optional<std::string> AskSavePath(std::string_view proposedName) = 0;

    // Creates the window, unshown, when it is not there yet.
    virtual void Load() = 0;
};

class HolidayListWindow {
public:
    HolidayListWindow(HolidayListView& view, platform::Services& services);

    // Shows the window listing persianYear, or brings it forward and lists
    // that year. Each show after an unload starts with the focus in the
    // year box.
    void Show(std::int16_t persianYear);

    // cmdShow, and Enter in the year box: lists the year typed there. Text
    // that is no number gets the input boxes' error report.
    void cmdShow_Click();

    // Copy and save; the converter windows' commands do nothing here.
    void Menu_Click(MenuCommand command);

    // Esc closes the window; always used.
    bool Escape_Pressed();

    // The year whose rows the list shows, once one has been listed.
    std::optional<std::int16_t> ListedYear() const { return listedYear_; }
    const std::vector<HolidayRow>& Rows() const { return rows_; }

private:
    void List(std::int16_t persianYear);
    void SaveCalendarFile();

    HolidayListView& view_;
    platform::Services& services_;
    std::vector<HolidayRow> rows_;
    std::optional<std::int16_t> listedYear_;
};

// The report on a file that could not be saved: the English reason, then a
// Persian sentence on a line of its own.
std::string SaveErrorText(const platform::FileSaveError& error);

}  // namespace velmora::window
