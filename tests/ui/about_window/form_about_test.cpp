// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The About window in its designed state.
#include "build_info.h"
#include "tests/support/test_application.h"
#include "ui/about_window/form_about.h"
#include "ui/twips.h"

#include <QLabel>
#include <QTest>

class FormAboutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpTestApplication(); }
    void window();
    void labels_data();
    void labels();

private:
    Form_About m_about;
};

void FormAboutTest::window()
{
    m_about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_about));
    QCOMPARE(m_about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(m_about.size(), twips(0, 0, 3600, 1770).size());
    QCOMPARE(m_about.parentWidget(), nullptr);
    QVERIFY(m_about.isWindow());
    QVERIFY(!m_about.isModal());
    QCOMPARE(m_about.findChildren<QWidget *>().size(), 6);
    // The background as it reaches the screen, beside and between the labels.
    const QImage shown = m_about.grab().toImage();
    const qreal scale = m_about.devicePixelRatioF();
    QCOMPARE(shown.pixelColor(2, 2), QColor(255, 255, 192));
    QCOMPARE(shown.pixelColor(qRound((m_about.width() - 3) * scale),
                              qRound((m_about.height() - 3) * scale)),
             QColor(255, 255, 192));
}

void FormAboutTest::labels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QColor>("colour");

    const QColor green(0, 128, 0);
    const QColor black(0, 0, 0);
    QTest::newRow("Label2") << "Program for Calculating" << twips(600, 120, 2295, 255) << 9.75
                            << green;
    QTest::newRow("Label3") << "Velmoric Flow Properties" << twips(480, 360, 2775, 255) << 9.75
                            << green;
    QTest::newRow("Label7") << BuildInfo::AuthorCredit << twips(480, 600, 2775, 255) << 8.25
                            << black;
    QTest::newRow("Label8") << "February 2006" << twips(1080, 840, 1455, 255) << 8.25 << black;
    QTest::newRow("Label4") << "For comments and questions e-mail to" << twips(120, 1080, 3375, 255)
                            << 8.25 << black;
    QTest::newRow("Label5") << BuildInfo::ContactEmail << twips(840, 1320, 1935, 255) << 8.25
                            << QColor(0, 0, 255);
}

void FormAboutTest::labels()
{
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(qreal, points);
    QFETCH(QColor, colour);

    const auto *label = m_about.findChild<QLabel *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(label != nullptr);
    QVERIFY(!text.isEmpty());
    QCOMPARE(label->text(), text);
    QCOMPARE(label->geometry(), geometry);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QCOMPARE(label->textInteractionFlags(), Qt::NoTextInteraction);
    QCOMPARE(label->textFormat(), Qt::PlainText);

    const QString family = QFontInfo(label->font()).family();
    QVERIFY2(family == QLatin1String("Verdana") || family == QLatin1String("DejaVu Sans"),
             qPrintable(family));
    QCOMPARE(QFontInfo(label->font()).pointSizeF(), points);
    // Every stroke of the text inside the label.
    const QFontMetricsF metrics(label->font());
    const QRectF ink = metrics.boundingRect(text);
    QVERIFY2(ink.left() >= 0 && ink.right() <= label->width(), qPrintable(text));
    QVERIFY(metrics.height() <= label->height());
}

QTEST_MAIN(FormAboutTest)
#include "form_about_test.moc"
