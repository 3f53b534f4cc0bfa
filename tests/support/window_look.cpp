// Visibility and background colour of each row, read from the widgets.
#include "window_look.h"

#include "main_window_driver.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString ColourName(const QColor &colour)
{
    if (colour == QColor(255, 255, 255))
        return QStringLiteral("white");
    if (colour == QColor(200, 200, 200))
        return QStringLiteral("grey");
    return colour.name();
}

QString Shown(bool visible)
{
    return visible ? QStringLiteral("shown") : QStringLiteral("hidden");
}

// inputBox: the box of the chosen quantity, or nullptr for the start look.
QStringList ExpectedLook(const char *inputBox, bool allRowsShown)
{
    QStringList look;
    for (const QuantityRowNames &row : quantityRows) {
        const bool isInput = inputBox != nullptr && QByteArray(row.box) == inputBox;
        const bool shown = allRowsShown || isInput;
        const QString colour =
            inputBox == nullptr || isInput ? QStringLiteral("white") : QStringLiteral("grey");
        look << QStringLiteral("%1 %2").arg(QLatin1String(row.label), Shown(shown));
        look << QStringLiteral("%1 %2 %3").arg(QLatin1String(row.box), Shown(shown), colour);
    }
    look << (inputBox == nullptr ? QStringLiteral("Choose an input option")
                                 : QStringLiteral("Input value then CLICK"));
    return look;
}

} // namespace

QStringList LookOf(const MainWindowDriver &window)
{
    QStringList look;
    for (const QuantityRowNames &row : quantityRows) {
        const QLineEdit *box = window.box(row.box);
        look << QStringLiteral("%1 %2").arg(QLatin1String(row.label),
                                            Shown(window.label(row.label)->isVisible()));
        look << QStringLiteral("%1 %2 %3")
                    .arg(QLatin1String(row.box), Shown(box->isVisible()),
                         ColourName(box->palette().color(QPalette::Base)));
    }
    look << window.command()->text();
    return look;
}

QStringList StartLook()
{
    return ExpectedLook(nullptr, true);
}

QStringList InputLook(const char *box)
{
    return ExpectedLook(box, false);
}

QStringList ResultsLook(const char *box)
{
    return ExpectedLook(box, true);
}
