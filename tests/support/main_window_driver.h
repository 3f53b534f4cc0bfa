// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Drives the main window as a user does: choosing options, typing, clicking.
#pragma once

#include "message_catcher.h"

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

class MainWindowDriver
{
public:
    explicit MainWindowDriver(QWidget *window)
        : m_window(window)
    { }

    [[nodiscard]] QLineEdit *box(const char *name) const;
    [[nodiscard]] QLabel *label(const char *name) const;
    [[nodiscard]] QRadioButton *option(const char *name) const;
    [[nodiscard]] QPushButton *command() const;

    // Clicks an option button near its left edge, where its indicator and caption react.
    void choose(const char *name) const;
    // Replaces a box's text by typing, as a user who selects all and types over it.
    void type(const char *name, const QString &text) const;
    // Clicks Command1 and closes any message box it opens.
    [[nodiscard]] CaughtMessage calculate() const;

    // The texts of Text_M, Text_PoP, Text_ToT and Text_RoR, in that order.
    [[nodiscard]] QStringList results() const;

private:
    template<typename Widget>
    [[nodiscard]] Widget *find(const char *name) const;

    QWidget *m_window;
};
