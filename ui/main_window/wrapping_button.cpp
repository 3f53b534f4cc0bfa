// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The style draws the button without its caption; the caption is then drawn word-wrapped.
#include "wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

WrappingButton::WrappingButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{ }

void WrappingButton::paintEvent(QPaintEvent * /*event*/)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(contents, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                         caption, QPalette::ButtonText);
}
