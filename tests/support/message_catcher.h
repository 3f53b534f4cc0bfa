// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Records and dismisses the modal message box that an action opens, if it opens one.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

struct CaughtMessage
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool modal = false;
    QString accessibleText; // the text as a screen reader reads it
};

// Runs the action; a message box it opens is read and closed with its OK button.
CaughtMessage catchMessage(const std::function<void()> &action);
