// From the designs' twips to a window's pixels.
#pragma once

namespace velmora::window {

// The designs' unit: 1440 twips make an inch.
inline constexpr double kTwipsPerInch = 1440.0;

// The DPI at which line widths are given in the design (one pixel = 15 twips).
inline constexpr double kDesignDpi = 96.0;

// px = round(twips * dpi / 1440), halves away from zero.
int TwipsToPixels(int twips, double dpi);

// A line's pen width in pixels at dpi, from its width in pixels at 96 DPI;
// never thinner than one pixel.
int PenWidthPixels(int widthAt96, double dpi);

}  // namespace velmora::window
