// Velmora's own icon: a calendar page, drawn at 16 and 32 pixels and as SVG.
#pragma once

#include <QIcon>

namespace velmora::ui {

inline constexpr int kIconSmallPixels = 16;
inline constexpr int kIconLargePixels = 32;

// The 16 and 32 pixel images; the window system picks the size it needs.
QIcon AppIcon();

// The 32-pixel image, as picIcon shows it.
QPixmap AppIconLargePixmap();

}  // namespace velmora::ui
