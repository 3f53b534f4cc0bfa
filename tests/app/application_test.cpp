// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The application object as the program sets it up.
#include "app/application.h"

#include <QApplication>
#include <QStyle>
#include <QTest>

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void titleVersionAndStyle()
    {
        setUpApplication();
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Velmoric Flow Equations"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
