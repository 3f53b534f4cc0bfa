// Settings of the application object that every window relies on.
#include "application.h"

#include "build_info.h"

#include <QApplication>
#include <QIcon>

void SetUpApplication()
{
    QApplication::setApplicationName(QString::fromUtf8(BuildInfo::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(BuildInfo::Version));
    // The desktop entry's name: Wayland's app id, and the key for startup notification.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(BuildInfo::ApplicationId));
    // Every window carries the program's icon. The files load when a window is first shown.
    QIcon icon;
    for (const char *size : {"48x48", "128x128"}) {
        icon.addFile(QStringLiteral(":/icons/%1/%2.png")
                         .arg(QLatin1String(size), QLatin1String(BuildInfo::ApplicationId)));
    }
    QApplication::setWindowIcon(icon);
    // Fusion paints the boxes in the palette's colours on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
}
