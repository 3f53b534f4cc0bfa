// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Settings of the application object that every window relies on.
#include "application.h"

#include "build_info.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>

void setUpApplication()
{
    QApplication::setApplicationName(QString::fromUtf8(BuildInfo::ApplicationTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(BuildInfo::Version));
    // The desktop entry's name: Wayland's app id, and the key for startup notification.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(BuildInfo::ApplicationId));
    // Every window carries the program's icon, the PNGs that the desktop installs.
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/app-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/icons/app-128.png"), QSize(128, 128));
    QApplication::setWindowIcon(icon);
#ifdef Q_OS_WIN
    // The captions are fitted to DejaVu Sans, which Windows lacks; the program carries it.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans.ttf"));
#endif
    // Fusion paints the boxes in the palette's colours on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
}
