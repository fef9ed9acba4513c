#include "app_icon.h"

namespace velmora::ui {

QIcon AppIcon() {
    QIcon icon;
    icon.addFile(":/icons/velmora-16.png", QSize(kIconSmallPixels, kIconSmallPixels));
    icon.addFile(":/icons/velmora-32.png", QSize(kIconLargePixels, kIconLargePixels));
    icon.addFile(":/icons/velmora.svg");
    return icon;
}

QPixmap AppIconLargePixmap() { return QPixmap(":/icons/velmora-32.png"); }

}  // namespace velmora::ui
