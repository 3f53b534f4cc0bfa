// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// A push button whose caption wraps onto further lines instead of being clipped.
#pragma once

#include <QPushButton>

class WrappingButton : public QPushButton
{
    Q_OBJECT

public:
    explicit WrappingButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
