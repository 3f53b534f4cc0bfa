// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Qt Test calls a base class's initTestCase, init and cleanup for every test class built on it.
#include "main_window_test_case.h"

#include "test_application.h"

#include <QTest>

void MainWindowTestCase::initTestCase()
{
    setUpTestApplication();
}

void MainWindowTestCase::init()
{
    m_window = std::make_unique<Form_Main>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_driver = std::make_unique<MainWindowDriver>(m_window.get());
}

void MainWindowTestCase::cleanup()
{
    m_driver.reset();
    m_window.reset();
}
