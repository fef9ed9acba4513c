#include "window/menus.h"

namespace velmora::window {

namespace {

constexpr Shortcut kNoShortcut{'\0', false, nullptr};

constexpr MenuItemDesign kConvertItems[] = {
    {MenuCommand::OpenToPersian, "به هجری شمسی…", {'R', false, "Ctrl+R"}, true},
};
constexpr MenuItemDesign kEditItems[] = {
    {MenuCommand::CopyResult, "رونوشت نتیجه", {'C', true, "Ctrl+Shift+C"}, false},
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

}  // namespace

std::span<const MenuDesign> Form1Menus() { return kForm1Menus; }
std::span<const MenuDesign> ToPersianMenus() { return kToPersianMenus; }

}  // namespace velmora::window
