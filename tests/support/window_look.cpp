// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Visibility and background colour of each row, read from the widgets.
#include "window_look.h"

#include "main_window_driver.h"

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString colourName(const QColor &colour)
{
    if (colour == QColor(255, 255, 255))
        return QStringLiteral("white");
    if (colour == QColor(200, 200, 200))
        return QStringLiteral("grey");
    return colour.name();
}

QString shownOrHidden(bool visible)
{
    return visible ? QStringLiteral("shown") : QStringLiteral("hidden");
}

// inputBox: the box of the chosen quantity, or nullptr for the start look.
QStringList expectedLook(const char *inputBox, bool allRowsShown)
{
    QStringList look;
    for (const QuantityRowNames &row : quantityRows) {
        const bool isInput = inputBox != nullptr && QByteArray(row.box) == inputBox;
        const bool shown = allRowsShown || isInput;
        const QString colour =
            inputBox == nullptr || isInput ? QStringLiteral("white") : QStringLiteral("grey");
        look << QStringLiteral("%1 %2").arg(QLatin1String(row.label), shownOrHidden(shown));
        look
            << QStringLiteral("%1 %2 %3").arg(QLatin1String(row.box), shownOrHidden(shown), colour);
    }
    look << (inputBox == nullptr ? QStringLiteral("Choose an input option")
                                 : QStringLiteral("Input value then CLICK"));
    return look;
}

} // namespace

QStringList lookOf(const MainWindowDriver &window)
{
    QStringList look;
    for (const QuantityRowNames &row : quantityRows) {
        const QLineEdit *box = window.box(row.box);
        look << QStringLiteral("%1 %2").arg(QLatin1String(row.label),
                                            shownOrHidden(window.label(row.label)->isVisible()));
        look << QStringLiteral("%1 %2 %3")
                    .arg(QLatin1String(row.box), shownOrHidden(box->isVisible()),
                         colourName(box->palette().color(QPalette::Base)));
    }
    look << window.command()->text();
    return look;
}

QStringList startLook()
{
    return expectedLook(nullptr, true);
}

QStringList inputLook(const char *box)
{
    return expectedLook(box, false);
}

QStringList resultsLook(const char *box)
{
    return expectedLook(box, true);
}

QColor screenColour(QLineEdit *box)
{
    const QImage shown = box->grab().toImage();
    const qreal scale = box->devicePixelRatioF();
    return shown.pixelColor(qRound((box->width() - 5) * scale), qRound(box->height() * scale / 2));
}
