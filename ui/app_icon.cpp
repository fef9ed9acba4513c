#include "app_icon.h"

// The icons are compiled into the static library; a static library's
// resources are registered only when asked for.
static void RegisterIconResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora::ui {

QIcon AppIcon() {
    RegisterIconResources();
    QIcon icon;
    icon.addFile(":/icons/velmora-16.png", QSize(kIconSmallPixels, kIconSmallPixels));
    icon.addFile(":/icons/velmora-32.png", QSize(kIconLargePixels, kIconLargePixels));
    icon.addFile(":/icons/velmora.svg");
    return icon;
}

QPixmap AppIconLargePixmap() {
    RegisterIconResources();
    return QPixmap(":/icons/velmora-32.png");
}

}  // namespace velmora::ui
