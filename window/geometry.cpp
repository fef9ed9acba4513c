#include "window/geometry.h"

#include <algorithm>
#include <cmath>

namespace velmora::window {

int TwipsToPixels(int twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }

int PenWidthPixels(int widthAt96, double dpi) {
    return std::max(1, static_cast<int>(std::lround(widthAt96 * dpi / kDesignDpi)));
}

}  // namespace velmora::window
