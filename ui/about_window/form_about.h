// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The About window: what the program calculates, who wrote it, when, and where to write.
#pragma once

#include <QWidget>

class Form_About : public QWidget
{
    Q_OBJECT

public:
    // A top-level window of its own, with no owner.
    Form_About();
};
