// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// One click of Command1, from the click to the four boxes holding their new texts.
#include "tests/support/main_window_driver.h"
#include "tests/support/test_application.h"
#include "ui/main_window/form_main.h"

#include <QPushButton>
#include <QTest>

class ClickBenchmark : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpTestApplication(); }

    void click_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("results");
        QTest::newRow("M = 2") << "Option_M"
                               << "Text_M" << QStringList {"2", "7.8244", "1.8", "4.3469"};
        QTest::newRow("Po/P = 2") << "Option_PoP"
                                  << "Text_PoP" << QStringList {"1.0465", "2", "1.219", "1.6407"};
    }

    void click()
    {
        QFETCH(QString, option);
        QFETCH(QString, box);
        QFETCH(QStringList, results);

        Form_Main window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const MainWindowDriver driver(&window);
        driver.choose(option.toLatin1().constData());
        driver.type(box.toLatin1().constData(), QStringLiteral("2"));
        QPushButton *command = driver.command();

        QBENCHMARK
        {
            QTest::mouseClick(command, Qt::LeftButton);
        }
        QCOMPARE(driver.results(), results);
    }
};

QTEST_MAIN(ClickBenchmark)
#include "click_benchmark.moc"
