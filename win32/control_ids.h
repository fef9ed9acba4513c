// The Win32 program's window classes and control identifiers. Each control
// of the designs gets the identifier below as its child-window ID, so that
// dialog navigation, accessibility tools and the window tests (which read
// texts across processes with WM_GETTEXT) can find it.
#pragma once

namespace velmora::win32 {

// Window classes of the designed windows and of the result note popup.
inline constexpr wchar_t kForm1Class[] = L"VelmoraForm1";
inline constexpr wchar_t kAboutClass[] = L"VelmoraAbout";
inline constexpr wchar_t kToPersianClass[] = L"VelmoraToPersian";
inline constexpr wchar_t kResultNoteClass[] = L"VelmoraResultNote";
inline constexpr wchar_t kHolidayListClass[] = L"VelmoraHolidays";

// Form1.
inline constexpr int kIdText1 = 101;
inline constexpr int kIdText2 = 102;
inline constexpr int kIdText3 = 103;
inline constexpr int kIdText4 = 104;
inline constexpr int kIdText5 = 105;
inline constexpr int kIdText6 = 106;
inline constexpr int kIdCommand1 = 201;
inline constexpr int kIdCommand2 = 202;
inline constexpr int kIdCommand3 = 203;
inline constexpr int kIdCommand4 = 204;
inline constexpr int kIdLabel1 = 301;
inline constexpr int kIdLabel2 = 302;
inline constexpr int kIdLabel3 = 303;
inline constexpr int kIdLabel4 = 304;
inline constexpr int kIdLabel5 = 305;

// frmAbout. cmdOK is IDOK and cancel (Esc) maps to it.
inline constexpr int kIdCmdOK = 1;  // IDOK
inline constexpr int kIdCmdSysInfo = 401;
inline constexpr int kIdPicIcon = 402;
inline constexpr int kIdLblTitle = 403;
inline constexpr int kIdLblVersion = 404;
inline constexpr int kIdLblDescription = 405;
inline constexpr int kIdLblDisclaimer = 406;
inline constexpr int kIdAboutLabel1 = 407;

// The window "به هجری شمسی".
inline constexpr int kIdTxtYear = 501;
inline constexpr int kIdTxtMonth = 502;
inline constexpr int kIdTxtDay = 503;
inline constexpr int kIdTxtPersianYear = 504;
inline constexpr int kIdTxtPersianMonth = 505;
inline constexpr int kIdTxtPersianDay = 506;
inline constexpr int kIdCmdFromIslamic = 511;
inline constexpr int kIdCmdFromGregorian = 512;
inline constexpr int kIdCmdFromHebrew = 513;
inline constexpr int kIdLblPrompt = 521;
inline constexpr int kIdLblYear = 522;
inline constexpr int kIdLblMonth = 523;
inline constexpr int kIdLblDay = 524;
inline constexpr int kIdLblCalendar = 525;

// The window «تعطیلات رسمی سال»: the year box, the list, the message.
inline constexpr int kIdHolidayYear = 701;
inline constexpr int kIdHolidayList = 702;
inline constexpr int kIdHolidayMessage = 703;
inline constexpr int kIdHolidayShow = 704;
inline constexpr int kIdHolidayYearLabel = 705;

// Menu items, the same in every menu bar: the menu design's commands in order.
inline constexpr int kIdMenuOpenToPersian = 601;
inline constexpr int kIdMenuCopyResult = 602;
inline constexpr int kIdMenuAbout = 603;
inline constexpr int kIdMenuOpenHolidayList = 604;
inline constexpr int kIdMenuFillToday = 605;
inline constexpr int kIdMenuCopyHolidayList = 606;
inline constexpr int kIdMenuSaveCalendarFile = 607;

}  // namespace velmora::win32

#include <string_view>

namespace velmora::win32 {

// The identifier of a control of Form1's or frmAbout's design, by name.
int Form1ControlId(std::string_view name);
int AboutControlId(std::string_view name);
int ToPersianControlId(std::string_view name);
int HolidayListControlId(std::string_view name);

}  // namespace velmora::win32
