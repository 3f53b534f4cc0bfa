// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Six labels on light yellow, in Verdana or, where it is missing, the similar DejaVu Sans.
#include "form_about.h"

#include "build_info.h"
#include "ui/twips.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QPalette>

namespace {

constexpr QColor background(255, 255, 192);
constexpr QColor green(0, 128, 0);
constexpr QColor blue(0, 0, 255);

// The window was drawn for Verdana; DejaVu Sans runs a little wider. Where a text would overrun
// its label, its letters move closer by the fraction of a pixel needed, keeping the size.
void fitToWidth(QLabel *label)
{
    const QString text = label->text();
    const qreal excess = QFontMetricsF(label->font()).boundingRect(text).right() - label->width();
    if (excess <= 0 || text.size() < 2)
        return;
    QFont font = label->font();
    font.setLetterSpacing(QFont::AbsoluteSpacing,
                          -(excess + 0.5) / static_cast<qreal>(text.size()));
    label->setFont(font);
}

QLabel *newLabel(QWidget *window, const char *name, const QString &text, const QRect &geometry,
                 qreal points, const QColor &colour = Qt::black)
{
    auto *label = new QLabel(text, window);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::NoTextInteraction);

    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    label->setFont(font);

    fitToWidth(label);

    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

Form_About::Form_About()
{
    setObjectName(QStringLiteral("Form_About"));
    setWindowTitle(QStringLiteral("About"));
    setFixedSize(twips(0, 0, 3600, 1770).size());
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(true);

    newLabel(this, "Label2", QStringLiteral("Program for Calculating"), twips(600, 120, 2295, 255),
             9.75, green);
    newLabel(this, "Label3", QStringLiteral("Velmoric Flow Properties"), twips(480, 360, 2775, 255),
             9.75, green);
    newLabel(this, "Label7", QString::fromUtf8(BuildInfo::AuthorCredit), twips(480, 600, 2775, 255),
             8.25);
    newLabel(this, "Label8", QStringLiteral("February 2006"), twips(1080, 840, 1455, 255), 8.25);
    newLabel(this, "Label4", QStringLiteral("For comments and questions e-mail to"),
             twips(120, 1080, 3375, 255), 8.25);
    newLabel(this, "Label5", QString::fromUtf8(BuildInfo::ContactEmail),
             twips(840, 1320, 1935, 255), 8.25, blue);
}
