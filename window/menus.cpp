#include "window/menus.h"

namespace velmora::window {

namespace {

constexpr Shortcut kNoShortcut{'\0', false, nullptr};

constexpr MenuItemDesign kConvertItems[] = {
    {MenuCommand::OpenToPersian, "به هجری شمسی…", {'R', false, "Ctrl+R"}, true},
    {MenuCommand::OpenHolidayList, "تعطیلات رسمی سال…", {'H', false, "Ctrl+H"}, true},
};
constexpr MenuItemDesign kEditItems[] = {
    {MenuCommand::CopyResult, "رونوشت نتیجه", {'C', true, "Ctrl+Shift+C"}, false},
    {MenuCommand::FillToday, "تاریخ امروز", {'T', false, "Ctrl+T"}, true},
};
constexpr MenuItemDesign kHelpItems[] = {
    {MenuCommand::About, "درباره برنامه", kNoShortcut, true},
};

constexpr MenuDesign kForm1Menus[] = {
    {"تبدیل", kConvertItems},
    {"ویرایش", kEditItems},
    {"راهنما", kHelpItems},
};

constexpr MenuDesign kToPersianMenus[] = {
    {"ویرایش", kEditItems},
};

// Copy and save wait for a listed year.
constexpr MenuItemDesign kHolidayFileItems[] = {
    {MenuCommand::SaveCalendarFile, "ذخیره به صورت iCalendar…", {'S', false, "Ctrl+S"}, false},
};
constexpr MenuItemDesign kHolidayEditItems[] = {
    {MenuCommand::CopyHolidayList, "رونوشت فهرست", {'C', true, "Ctrl+Shift+C"}, false},
};

constexpr MenuDesign kHolidayListMenus[] = {
    {"پرونده", kHolidayFileItems},
    {"ویرایش", kHolidayEditItems},
};

}  // namespace

std::span<const MenuDesign> Form1Menus() { return kForm1Menus; }
std::span<const MenuDesign> ToPersianMenus() { return kToPersianMenus; }
std::span<const MenuDesign> HolidayListMenus() { return kHolidayListMenus; }

}  // namespace velmora::window
