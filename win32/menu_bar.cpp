#include "win32/menu_bar.h"

#include "win32/control_ids.h"
#include "win32/dpi.h"
#include "win32/rtl_text.h"
#include "win32/text_encoding.h"
#include "win32/window_builder.h"

#include <algorithm>
#include <ranges>

namespace velmora::win32 {
namespace {

// The window property that holds a window's accelerator table.
constexpr wchar_t kAcceleratorProperty[] = L"VelmoraAccelerators";

// Room around an item's text and between its caption and its shortcut, in
// pixels at 96 DPI, as the system's own menus leave it.
constexpr int kSideMarginAt96 = 20;
constexpr int kShortcutGapAt96 = 24;
constexpr int kVerticalMarginAt96 = 3;

// Items as the captions' font draws them: one line, centred top to bottom.
constexpr double kFontPoints = 8.25;
constexpr RightToLeftFormat kItemFormat{.centred = false, .middle = true, .wrap = false};
constexpr int kUnbounded = 10000;

int Scaled(int at96, UINT dpi) { return ::MulDiv(at96, static_cast<int>(dpi), USER_DEFAULT_SCREEN_DPI); }

int IdOf(window::MenuCommand command) {
    switch (command) {
        case window::MenuCommand::OpenToPersian: return kIdMenuOpenToPersian;
        case window::MenuCommand::CopyResult: return kIdMenuCopyResult;
        case window::MenuCommand::About: return kIdMenuAbout;
        case window::MenuCommand::OpenHolidayList: return kIdMenuOpenHolidayList;
        case window::MenuCommand::FillToday: return kIdMenuFillToday;
        case window::MenuCommand::CopyHolidayList: return kIdMenuCopyHolidayList;
        case window::MenuCommand::SaveCalendarFile: return kIdMenuSaveCalendarFile;
    }
    return 0;
}

// Appends an item. Its text is also kept as the item's string, which screen
// readers read whether or not the item is drawn by the program.
void Append(HMENU menu, UINT type, UINT state, UINT_PTR id, HMENU submenu, std::wstring text, ULONG_PTR data) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING | MIIM_DATA | (submenu != nullptr ? MIIM_SUBMENU : MIIM_ID);
    info.fType = type;
    info.fState = state;
    info.wID = static_cast<UINT>(id);
    info.hSubMenu = submenu;
    info.dwItemData = data;
    info.dwTypeData = text.data();
    ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
}

SIZE TextSize(HDC dc, const std::wstring& text) {
    SIZE size{0, 0};
    if (!text.empty()) ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace

MenuBar::MenuBar(std::span<const window::MenuDesign> menus) {
    menu_ = ::CreateMenu();
    std::vector<ACCEL> keys;
    // Inserted from the last menu: the right-justified bar then shows the
    // first one rightmost, as a right-to-left reader looks for it. (The
    // bar's own right-to-left order, MFT_RIGHTORDER, leaves Wine's bar
    // without captions.)
    bool first = true;
    for (const window::MenuDesign& design : std::views::reverse(menus)) {
        const HMENU popup = ::CreatePopupMenu();
        for (const window::MenuItemDesign& item : design.items) {
            auto& text = items_.emplace_back(std::make_unique<ItemText>(
                ItemText{Utf8ToWide(item.caption), item.shortcut.text != nullptr ? Utf8ToWide(item.shortcut.text) : L""}));
            const std::wstring string = text->shortcut.empty() ? text->caption : text->caption + L"\t" + text->shortcut;
            Append(popup, MFT_OWNERDRAW, item.enabledAtStart ? MFS_ENABLED : MFS_GRAYED,
                   static_cast<UINT_PTR>(IdOf(item.command)), nullptr, string, reinterpret_cast<ULONG_PTR>(text.get()));
            if (item.shortcut.letter == '\0') continue;
            const auto virt = static_cast<BYTE>(FVIRTKEY | FCONTROL | (item.shortcut.shift ? FSHIFT : 0));
            keys.push_back(ACCEL{virt, static_cast<WORD>(item.shortcut.letter), static_cast<WORD>(IdOf(item.command))});
        }
        Append(menu_, MFT_STRING | (first ? MFT_RIGHTJUSTIFY : 0u), MFS_ENABLED, 0, popup, Utf8ToWide(design.caption), 0);
        first = false;
    }
    if (!keys.empty()) accelerators_ = ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

// The window destroys its menu with itself; the bar goes before its window.
MenuBar::~MenuBar() {
    if (window_ != nullptr && ::IsWindow(window_)) ::RemovePropW(window_, kAcceleratorProperty);
    if (accelerators_ != nullptr) ::DestroyAcceleratorTable(accelerators_);
    if (font_ != nullptr) ::DeleteObject(font_);
}

void MenuBar::SetEnabled(window::MenuCommand command, bool enabled) {
    ::EnableMenuItem(menu_, static_cast<UINT>(IdOf(command)),
                     static_cast<UINT>(MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)));
}

std::optional<window::MenuCommand> MenuBar::CommandOf(int id) {
    for (const window::MenuCommand command :
         {window::MenuCommand::OpenToPersian, window::MenuCommand::CopyResult, window::MenuCommand::About,
          window::MenuCommand::OpenHolidayList, window::MenuCommand::FillToday, window::MenuCommand::CopyHolidayList,
          window::MenuCommand::SaveCalendarFile})
        if (IdOf(command) == id) return command;
    return std::nullopt;
}

HACCEL MenuBar::AcceleratorsOf(HWND window) {
    return static_cast<HACCEL>(::GetPropW(window, kAcceleratorProperty));
}

void MenuBar::AttachTo(HWND window) {
    window_ = window;
    ::SetPropW(window, kAcceleratorProperty, accelerators_);
}

// The Persian captions' font (of the Arabic character set, which right-to-
// left drawing needs) at the window's DPI.
HFONT MenuBar::Font() {
    const UINT dpi = WindowDpi(window_);
    if (font_ != nullptr && fontDpi_ == dpi) return font_;
    if (font_ != nullptr) ::DeleteObject(font_);
    font_ = CreateDesignFont(window::Tahoma(kFontPoints), dpi);
    fontDpi_ = dpi;
    return font_;
}

bool MenuBar::Measure(MEASUREITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || item.itemData == 0) return false;
    const auto& text = *reinterpret_cast<const ItemText*>(item.itemData);
    const UINT dpi = WindowDpi(window_);
    const HDC dc = ::GetDC(window_);
    const HGDIOBJ old = ::SelectObject(dc, Font());
    const SIZE caption = MeasureRightToLeft(dc, text.caption, kUnbounded, Font(), kItemFormat);
    const SIZE shortcut = TextSize(dc, text.shortcut);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(window_, dc);
    const int gap = text.shortcut.empty() ? 0 : Scaled(kShortcutGapAt96, dpi);
    item.itemWidth = static_cast<UINT>(caption.cx + gap + shortcut.cx + 2 * Scaled(kSideMarginAt96, dpi));
    item.itemHeight = static_cast<UINT>(metrics.tmHeight + 2 * Scaled(kVerticalMarginAt96, dpi));
    return true;
}

// The caption right-aligned and read right to left; the shortcut, letters
// read left to right, on the left.
bool MenuBar::Draw(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_MENU || item.itemData == 0) return false;
    const auto& text = *reinterpret_cast<const ItemText*>(item.itemData);
    const HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    const int textColour = grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT;
    ::SetTextColor(dc, ::GetSysColor(textColour));
    ::SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ old = ::SelectObject(dc, Font());
    const int margin = Scaled(kSideMarginAt96, WindowDpi(window_));
    RECT box = item.rcItem;
    box.left += margin;
    box.right -= margin;
    DrawRightToLeft(dc, text.caption, box, Font(), kItemFormat);
    if (!text.shortcut.empty())
        ::DrawTextW(dc, text.shortcut.c_str(), static_cast<int>(text.shortcut.size()), &box,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    ::SelectObject(dc, old);
    return true;
}

}  // namespace velmora::win32
