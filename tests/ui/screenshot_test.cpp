// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Screenshots of both windows in each of their looks, saved as test artefacts; run at several
// scale factors (QT_SCALE_FACTOR) to check that the windows are drawn at that scale.
#include "tests/support/main_window_driver.h"
#include "tests/support/test_application.h"
#include "ui/about_window/form_about.h"
#include "ui/main_window/form_main.h"

#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <cmath>

class ScreenshotTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainWindowLooks();
    void aboutWindow();

private:
    // Saves the window's picture and checks that it was drawn at the scale factor.
    void save(QWidget *window, const QString &name);

    QDir m_folder;
};

void ScreenshotTest::initTestCase()
{
    setUpTestApplication();
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
    m_folder.setPath(QStringLiteral(VFE_ARTIFACTS_DIR "/screenshots/scale-") + scale);
    QVERIFY(m_folder.mkpath(QStringLiteral(".")));
}

void ScreenshotTest::save(QWidget *window, const QString &name)
{
    const QImage image = window->grab().toImage();
    const qreal scale = window->devicePixelRatioF();
    QCOMPARE(scale, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble());
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
    QLineEdit *box = driver.box("Text_M");
    const QImage shown = box->grab().toImage();
    const qreal scale = box->devicePixelRatioF();
    QCOMPARE(
        shown.pixelColor(qRound((box->width() - 5) * scale), qRound(box->height() * scale / 2)),
        QColor(200, 200, 200));
}

void ScreenshotTest::aboutWindow()
{
    Form_About about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    save(&about, QStringLiteral("about"));
}

QTEST_MAIN(ScreenshotTest)
#include "screenshot_test.moc"
