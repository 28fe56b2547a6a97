#include "AppIcon.h"

#include <QImageReader>
#include <QPixmap>

QIcon appIcon()
{
    // Naming the format keeps Qt from loading every image plugin (and the SVG and JPEG
    // libraries) to ask whether it reads the file: that cost start-up time and memory.
    QImageReader reader(QStringLiteral(":/tombolix/tombolix.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}
