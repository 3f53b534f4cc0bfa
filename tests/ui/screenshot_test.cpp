// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Screenshots of both windows in each of their looks, saved as test artefacts; run at several
// scales to check that the windows are drawn at that scale, and on a dark desktop to check
// that they follow it and stay readable.
#include "tests/support/main_window_driver.h"
#include "tests/support/test_application.h"
#include "tests/support/window_look.h"
#include "ui/about_window/form_about.h"
#include "ui/main_window/form_main.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// The scale the windows should be drawn at: QT_SCALE_FACTOR's, or, where the display's dots
// per inch set it (Windows), the one the test is told in VFE_TEST_SCALE.
QString expectedScale()
{
    return qEnvironmentVariable("VFE_TEST_SCALE",
                                qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")));
}

// Set to "dark" where the desktop is in dark mode, so that the dark look is checked there.
bool onDarkDesktop()
{
    return qEnvironmentVariable("VFE_TEST_COLOUR_SCHEME") == QLatin1String("dark");
}

} // namespace

class ScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainWindowLooks();
    void aboutWindow();
    void followsADarkDesktop();

private:
    // Saves the window's picture and checks that it was drawn at the expected scale.
    void save(QWidget *window, const QString &name);

    QDir m_folder;
};

void ScreenshotTest::initTestCase()
{
    setUpTestApplication();
    m_folder.setPath(QStringLiteral(VFE_ARTIFACTS_DIR "/screenshots/scale-") + expectedScale()
                     + (onDarkDesktop() ? QStringLiteral("-dark") : QString()));
    QVERIFY(m_folder.mkpath(QStringLiteral(".")));
}

void ScreenshotTest::save(QWidget *window, const QString &name)
{
    const QImage image = window->grab().toImage();
    const qreal scale = window->devicePixelRatioF();
    QCOMPARE(scale, expectedScale().toDouble());
    QCOMPARE(image.size(),
             QSize(qRound(window->width() * scale), qRound(window->height() * scale)));
    QVERIFY(image.save(m_folder.filePath(name + QStringLiteral(".png"))));
}

void ScreenshotTest::mainWindowLooks()
{
    Form_Main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const MainWindowDriver driver(&window);
    save(&window, QStringLiteral("main-start"));

    driver.choose("Option_PoP");
    save(&window, QStringLiteral("main-input"));

    driver.type("Text_PoP", QStringLiteral("2"));
    QVERIFY(!driver.calculate().shown);
    save(&window, QStringLiteral("main-results"));

    // The result boxes' grey reaches the screen at every scale, inside the scaled box.
    QCOMPARE(screenColour(driver.box("Text_M")), QColor(200, 200, 200));
}

void ScreenshotTest::aboutWindow()
{
    Form_About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    save(&about, QStringLiteral("about"));
}

void ScreenshotTest::followsADarkDesktop()
{
    if (!onDarkDesktop())
        QSKIP("the desktop is not in dark mode (VFE_TEST_COLOUR_SCHEME=dark where it is)");

    Form_Main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const MainWindowDriver driver(&window);
    // The window takes the desktop's dark colours, its captions light on dark.
    const QPalette palette = window.palette();
    QVERIFY2(palette.color(QPalette::Window).lightness() < 100,
             qPrintable(palette.color(QPalette::Window).name()));
    QVERIFY2(palette.color(QPalette::WindowText).lightness() > 155,
             qPrintable(palette.color(QPalette::WindowText).name()));
    QCOMPARE(driver.label("Label_PoP")->palette().color(QPalette::WindowText),
             palette.color(QPalette::WindowText));

    driver.choose("Option_PoP");
    driver.type("Text_PoP", QStringLiteral("2"));
    QVERIFY(!driver.calculate().shown);
    QCOMPARE(driver.results(), QStringList({"1.0465", "2", "1.219", "1.6407"}));
    // The input box white and the results grey as designed, on screen, with dark text on each.
    QCOMPARE(screenColour(driver.box("Text_PoP")), QColor(255, 255, 255));
    for (const char *name : {"Text_M", "Text_ToT", "Text_RoR"})
        QCOMPARE(screenColour(driver.box(name)), QColor(200, 200, 200));
    for (const QuantityRowNames &row : quantityRows)
        QCOMPARE(driver.box(row.box)->palette().color(QPalette::Text), QColor(Qt::black));
}

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
