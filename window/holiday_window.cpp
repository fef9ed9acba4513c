#include "window/holiday_window.h"

#include "window/error_report.h"
#include "window/icalendar_file.h"

namespace velmora::window {

namespace {

constexpr const char* kYearBox = "txtYear";
constexpr const char* kYearHeading = "lblYear";
constexpr const char* kMessage = "lblMessage";
constexpr const char* kList = "lstHolidays";

}  // namespace

HolidayListWindow::HolidayListWindow(HolidayListView& view, platform::Services& services)
    : view_(view), services_(services) {}

void HolidayListWindow::Show(std::int16_t persianYear) {
    view_.SetText(kYearBox, FormatInt16(persianYear));
    List(persianYear);
    ShowModeless(view_, [this] {
        view_.Load();
        view_.FocusAndSelectAll(kYearBox);
    });
}

void HolidayListWindow::cmdShow_Click() {
    RunReportingErrors(services_.alert, view_, [this] { List(ReadInputBox(view_, kYearBox, kYearHeading)); });
}

// A year outside the list's years says why instead of showing no rows, and
// leaves nothing to copy or save.
void HolidayListWindow::List(std::int16_t persianYear) {
    rows_ = HolidayRows(persianYear);
    const std::optional<Note> message = rows_.empty() ? HolidayYearOutOfRange(persianYear) : EstimatedDaysNote(rows_);
    listedYear_ = rows_.empty() ? std::nullopt : std::optional<std::int16_t>(persianYear);
    view_.SetRows(rows_);
    view_.SetText(kMessage, message ? message->persian + '\n' + message->english : "");
    view_.SetDescription(kList, message ? message->english : "");
    view_.SetCopyEnabled(listedYear_.has_value());
}

void HolidayListWindow::Menu_Click(MenuCommand command) {
    if (!listedYear_) return;
    if (command == MenuCommand::CopyHolidayList) view_.CopyToClipboard(HolidayCopyText(rows_, true));
    if (command == MenuCommand::SaveCalendarFile) SaveCalendarFile();
}

// The file holds the listed year, whatever the year box holds by now.
void HolidayListWindow::SaveCalendarFile() {
    const std::optional<std::string> path = view_.AskSavePath(HolidayCalendarFileName(*listedYear_));
    if (!path) return;
    try {
        services_.saver.Save(*path, HolidayCalendarFile(*listedYear_, services_.clock.UtcNow()));
    } catch (const platform::FileSaveError& error) {
        services_.alert.Show(SaveErrorText(error));
    }
}

bool HolidayListWindow::Escape_Pressed() {
    view_.Unload();
    return true;
}

std::string SaveErrorText(const platform::FileSaveError& error) {
    return std::string(error.what()) + "\nپرونده ذخیره نشد؛ پرونده\u200Cای که پیش\u200Cتر آنجا بود دست\u200Cنخورده مانده است.";
}

}  // namespace velmora::window
