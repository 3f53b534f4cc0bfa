// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The fixture of the main window's widget tests: a window shown afresh for each test function,
// and a driver that works it as a user does.
#pragma once

#include "main_window_driver.h"
#include "ui/main_window/form_main.h"

#include <QObject>

#include <memory>

class MainWindowTestCase : public QObject
{
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    std::unique_ptr<Form_Main> m_window;
    std::unique_ptr<MainWindowDriver> m_driver;
};
