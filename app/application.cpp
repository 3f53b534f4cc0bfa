// Settings of the application object that every window relies on.
#include "application.h"

#include "build_info.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QResource>

void SetUpApplication()
{
    QApplication::setApplicationName(QString::fromUtf8(BuildInfo::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(BuildInfo::Version));
    // The desktop entry's name: Wayland's app id, and the key for startup notification.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(BuildInfo::ApplicationId));
    // Every window carries the program's icon. Its pixels are raw in the resources: decoding a
    // PNG would load Qt's image plugins, a tenth of the program's start-up.
    QIcon icon;
    for (const int size : {48, 128}) {
        const QResource pixels(QStringLiteral(":/icons/%1.rgba").arg(size));
        const QByteArray bytes = pixels.uncompressedData();
        if (bytes.size() == qsizetype(size) * size * 4) {
            const QImage image(reinterpret_cast<const uchar *>(bytes.constData()), size, size,
                               static_cast<qsizetype>(size) * 4, QImage::Format_RGBA8888);
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    QApplication::setWindowIcon(icon);
    // Fusion paints the boxes in the palette's colours on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
}
