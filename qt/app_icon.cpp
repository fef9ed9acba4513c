#include "qt/app_icon.h"

#include <QImageReader>

// The icons are compiled into the static library; a static library's
// resources are registered only when asked for.
static void RegisterIconResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora::ui {

namespace {

// Decodes one of the PNG images with Qt's built-in reader. Naming the format
// and turning detection off keeps Qt from loading every image-format plugin
// to ask whether it can read the file, which would cost the window a good
// part of its start-up.
QPixmap LoadPng(const QString& path) {
    RegisterIconResources();
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

// The window icon takes the two bitmaps only: the SVG would load Qt's SVG
// icon engine and its libraries at start-up for a window that never shows
// the icon larger than 32 pixels. The SVG is the scalable icon installed for
// the desktop's menus.
QIcon AppIcon() {
    QIcon icon;
    icon.addPixmap(LoadPng(":/icons/velmora-16.png"));
    icon.addPixmap(LoadPng(":/icons/velmora-32.png"));
    return icon;
}

QPixmap AppIconLargePixmap() { return LoadPng(":/icons/velmora-32.png"); }

}  // namespace velmora::ui
