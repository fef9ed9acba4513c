#include "window/about_design.h"

namespace velmora::window {
namespace {

using enum ControlKind;

constexpr const char* kDisclaimer =
    "برای علاقه‌مندان به برنامه‌نویسی: کد منبع این برنامه از نشانی اینترنتی زیر در دسترس است.";

constexpr const char* kDescription =
    "اين برنامه بر اساس يک سورس موجود در اينترنت نوشته شده است... در حال حاضر امکانات "
    "چنداني ندارد ولي در نگارشهاي بعدي امکانات متنوعي را به اين برنامه اضافه خواهم کرد.";

// Listed top to bottom as the form designer holds them. The two lines form
// the control array Line1; one grey and one white line 15 twips apart draw
// an etched separator.
constexpr ControlDesign kControls[] = {
    // name        kind           caption
    //   left, top, width, height, tab, font, colour, line width, right-to-left
    {"picIcon", PictureBox, "",
     240, 240, 540, 540, 1, kWindowDefaultFont, kDefaultColour, 0, false},
    {"lblTitle", Label, "برنامه Velmora",
     1050, 240, 3885, 480, 5, Tahoma(9), kBlack, 0, true},
    {"lblVersion", Label, "نسخه آزمايشي - 0-0-0-1",
     1050, 780, 3885, 225, 6, Tahoma(9), kDefaultColour, 0, true},
    {"lblDescription", Label, kDescription,
     1050, 1125, 3885, 930, 3, Tahoma(9), kBlack, 0, true},
    // Lines: x1, y1, x2, y2.
    {"Line1(1)", Line, "",
     90, 2445, 5654, 2445, kNoTabIndex, kWindowDefaultFont, kGrey, 1, false},
    {"Line1(0)", Line, "",
     105, 2460, 5654, 2460, kNoTabIndex, kWindowDefaultFont, kWhite, 2, false},
    {"lblDisclaimer", Label, kDisclaimer,
     255, 2625, 3870, 585, 4, Tahoma(8.25), kBlack, 0, true},
    {"cmdOK", CommandButton, "OK",
     4245, 2625, 1260, 345, 0, kWindowDefaultFont, kDefaultColour, 0, false},
    {"cmdSysInfo", CommandButton, "&System Info...",
     4260, 3075, 1245, 345, 2, kWindowDefaultFont, kDefaultColour, 0, false},
    {"Label1", Label, kHomePage,
     300, 3240, 3495, 195, 7, kWindowDefaultFont, kDefaultColour, 0, false},
};

}  // namespace

const WindowDesign kAboutDesign{
    .caption = "About MyApp",
    .clientWidth = 5730,
    .clientHeight = 3555,
    .hasPosition = true,
    .clientLeft = 2340,
    .clientTop = 1935,
    .controls = kControls,
    .firstControlId = 400,
};

}  // namespace velmora::window
