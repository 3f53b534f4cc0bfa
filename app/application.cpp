// Settings of the application object that every window relies on.
#include "application.h"

#include "build_info.h"

#include <QApplication>

void SetUpApplication()
{
    QApplication::setApplicationName(QString::fromUtf8(BuildInfo::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(BuildInfo::Version));
    // Fusion paints the boxes in the palette's colours on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
}
