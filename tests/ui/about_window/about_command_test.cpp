// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The About command of the main window: one About window per run, modeless, without an owner.
#include "tests/support/main_window_test_case.h"
#include "ui/about_window/form_about.h"
#include "ui/main_window/form_main.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

QList<Form_About *> aboutWindows()
{
    QList<Form_About *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *about = qobject_cast<Form_About *>(widget))
            windows << about;
    }
    return windows;
}

} // namespace

class AboutCommandTest : public MainWindowTestCase
{
    Q_OBJECT

private slots:
    void cleanup();

    void noAboutWindowUntilChosen();
    void clickOnTheBarShowsItAtOnce();
    void oneWindowHoweverOftenChosen();
    void showsAgainAfterItWasClosed();
    void mainWindowStillCalculatesWhileItIsOpen();
    void closingTheMainWindowEndsTheRun();

private:
    void chooseAbout();
};

// No About window outlives the main window.
void AboutCommandTest::cleanup()
{
    MainWindowTestCase::cleanup();
    QCOMPARE(aboutWindows().size(), 0);
}

void AboutCommandTest::chooseAbout()
{
    QMenuBar *bar = m_window->menuBar();
    QAction *about = bar->actions().front();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(about).center());
}

void AboutCommandTest::noAboutWindowUntilChosen()
{
    QCOMPARE(aboutWindows().size(), 0);
}

void AboutCommandTest::clickOnTheBarShowsItAtOnce()
{
    chooseAbout();
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(aboutWindows().size(), 1);
    Form_About *about = aboutWindows().front();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->parentWidget(), nullptr);
    QCOMPARE(about->windowModality(), Qt::NonModal);
}

void AboutCommandTest::oneWindowHoweverOftenChosen()
{
    for (int i = 0; i < 5; ++i)
        chooseAbout();
    QCOMPARE(aboutWindows().size(), 1);
    QVERIFY(aboutWindows().front()->isVisible());

    // Minimized, it comes back rather than a second one opening.
    Form_About *about = aboutWindows().front();
    about->showMinimized();
    chooseAbout();
    QCOMPARE(aboutWindows().size(), 1);
    QVERIFY(!about->isMinimized());
    QVERIFY(about->isVisible());
}

void AboutCommandTest::showsAgainAfterItWasClosed()
{
    chooseAbout();
    QPointer<Form_About> about = aboutWindows().front();
    QVERIFY(about->close());
    QVERIFY(!about->isVisible());
    QVERIFY(about != nullptr);

    chooseAbout();
    QCOMPARE(aboutWindows().size(), 1);
    QCOMPARE(aboutWindows().front(), about.data());
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(about->findChildren<QWidget *>().size(), 6);
}

void AboutCommandTest::mainWindowStillCalculatesWhileItIsOpen()
{
    chooseAbout();
    QVERIFY(aboutWindows().front()->isVisible());
    m_driver->choose("Option_M");
    m_driver->type("Text_M", QStringLiteral("2"));
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(m_driver->results(), QStringList({"2", "7.8244", "1.8", "4.3469"}));
    QVERIFY(aboutWindows().front()->isVisible());
}

void AboutCommandTest::closingTheMainWindowEndsTheRun()
{
    chooseAbout();
    QPointer<Form_About> about = aboutWindows().front();
    QVERIFY(about->isVisible());

    // The open About window does not keep the event loop running ...
    bool timedOut = false;
    QTimer::singleShot(0, m_window.get(), [this] { m_window->close(); });
    QTimer::singleShot(5000, qApp, [&timedOut] {
        timedOut = true;
        QCoreApplication::quit();
    });
    QApplication::exec();
    QVERIFY(!timedOut);
    QVERIFY(!m_window->isVisible());

    // ... and goes with the main window when the run ends.
    m_driver.reset();
    m_window.reset();
    QVERIFY(about.isNull());
}

QTEST_MAIN(AboutCommandTest)
#include "about_command_test.moc"
