// The Win32 program's window classes and identifiers. Each control of a
// design gets its child-window ID from its row in the design
// (window::ControlId), so that
// dialog navigation, accessibility tools and the window tests (which read
// texts across processes with WM_GETTEXT and find controls by their design
// names) can find it.
#pragma once

#include "window/window_design.h"

#include <string_view>

namespace velmora::win32 {

// Window classes of the designed windows and of the result note popup.
inline constexpr wchar_t kForm1Class[] = L"VelmoraForm1";
inline constexpr wchar_t kAboutClass[] = L"VelmoraAbout";
inline constexpr wchar_t kToPersianClass[] = L"VelmoraToPersian";
inline constexpr wchar_t kResultNoteClass[] = L"VelmoraResultNote";
inline constexpr wchar_t kHolidayListClass[] = L"VelmoraHolidays";

// Menu items, the same in every menu bar: the menu design's commands in order.
inline constexpr int kIdMenuOpenToPersian = 601;
inline constexpr int kIdMenuCopyResult = 602;
inline constexpr int kIdMenuAbout = 603;
inline constexpr int kIdMenuOpenHolidayList = 604;
inline constexpr int kIdMenuFillToday = 605;
inline constexpr int kIdMenuCopyHolidayList = 606;
inline constexpr int kIdMenuSaveCalendarFile = 607;

// The name of the control of design with that ID (window::ControlId's
// inverse); null when none has it.
const char* ControlName(const window::WindowDesign& design, int id);

// The design of the program's windows of a window class; null for a class
// that is not one of them.
const window::WindowDesign* DesignOfClass(std::wstring_view className);

}  // namespace velmora::win32
