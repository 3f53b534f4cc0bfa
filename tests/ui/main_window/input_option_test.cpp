// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Choosing the input quantity: the start, input and results looks and the moves between them.
#include "tests/support/main_window_test_case.h"
#include "tests/support/window_look.h"
#include "ui/main_window/form_main.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

// WCAG's contrast ratio between two colours: 4.5 or more is comfortable to read.
qreal contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto channel = [](qreal c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
            + 0.0722 * channel(colour.blueF());
    };
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class InputOptionTest : public MainWindowTestCase
{
    Q_OBJECT

private slots:
    void startLook();
    void choosingAnOptionShowsItsInputForm_data();
    void choosingAnOptionShowsItsInputForm();
    void calculationShowsTheResultsLook_data();
    void calculationShowsTheResultsLook();
    void choosingAnotherOptionHidesTheOldRowAndKeepsItsText();
    void clickingWithoutTyping();
    void choosingTheChosenOptionAgainChangesNothing();
    void assistiveToggleChoosesAnOption();
    void arrowKeysChooseWithinTheGroup();
    void failedCalculationKeepsTheColours();
    void paintingKeepsFontsFramesAndSizes();
    void boxesStayReadableUnderADarkPalette();
    void coloursShowOnScreenInEveryStyle_data();
    void coloursShowOnScreenInEveryStyle();
};

void InputOptionTest::startLook()
{
    QCOMPARE(lookOf(*m_driver), ::startLook());
}

void InputOptionTest::choosingAnOptionShowsItsInputForm_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    QTest::newRow("M") << "Option_M"
                       << "Text_M";
    QTest::newRow("Po/P") << "Option_PoP"
                          << "Text_PoP";
    QTest::newRow("To/T") << "Option_ToT"
                          << "Text_ToT";
}

void InputOptionTest::choosingAnOptionShowsItsInputForm()
{
    QFETCH(QString, option);
    QFETCH(QString, box);
    const QByteArray boxName = box.toLatin1();

    const QStringList othersBefore = m_driver->results();
    m_driver->choose(option.toLatin1().constData());

    QCOMPARE(lookOf(*m_driver), inputLook(boxName.constData()));
    QCOMPARE(m_driver->box(boxName.constData())->text(), QStringLiteral(" "));
    QCOMPARE(m_driver->box("Text_gama")->text(), QStringLiteral("1.4"));
    // The hidden boxes keep their texts.
    const QStringList othersAfter = m_driver->results();
    for (int i = 0; i < 4; ++i) {
        if (QByteArray(quantityRows[i].box) != boxName)
            QCOMPARE(othersAfter[i], othersBefore[i]);
    }
}

void InputOptionTest::calculationShowsTheResultsLook_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("M") << "Option_M"
                       << "Text_M"
                       << "1" << QStringList {"1", "1.8929", "1.2", "1.5774"};
    QTest::newRow("Po/P") << "Option_PoP"
                          << "Text_PoP"
                          << "2" << QStringList {"1.0465", "2", "1.219", "1.6407"};
    QTest::newRow("To/T") << "Option_ToT"
                          << "Text_ToT"
                          << "2" << QStringList {"2.2361", "11.3137", "2", "5.6569"};
}

void InputOptionTest::calculationShowsTheResultsLook()
{
    QFETCH(QString, option);
    QFETCH(QString, box);
    QFETCH(QString, input);
    QFETCH(QStringList, results);
    const QByteArray boxName = box.toLatin1();

    m_driver->choose(option.toLatin1().constData());
    m_driver->type(boxName.constData(), input);
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(lookOf(*m_driver), resultsLook(boxName.constData()));
    QCOMPARE(m_driver->results(), results);

    // A new value in the same box: the other three are overwritten, the look stays.
    m_driver->type(boxName.constData(), QStringLiteral("1"));
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(lookOf(*m_driver), resultsLook(boxName.constData()));
}

void InputOptionTest::choosingAnotherOptionHidesTheOldRowAndKeepsItsText()
{
    m_driver->choose("Option_PoP");
    m_driver->type("Text_PoP", QStringLiteral("3"));
    m_driver->choose("Option_M");

    QCOMPARE(lookOf(*m_driver), inputLook("Text_M"));
    QCOMPARE(m_driver->box("Text_PoP")->text(), QStringLiteral("3"));
    QCOMPARE(m_driver->box("Text_M")->text(), QStringLiteral(" "));
    QVERIFY(!m_driver->option("Option_PoP")->isChecked());

    // Calculating shows the old Po/P text no more: it is overwritten at once.
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(m_driver->results(), QStringList({"0", "1", "1", "1"}));
    QCOMPARE(lookOf(*m_driver), resultsLook("Text_M"));
}

void InputOptionTest::clickingWithoutTyping()
{
    m_driver->choose("Option_M");
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(m_driver->results(), QStringList({"0", "1", "1", "1"}));

    // With Po/P chosen, the blank reads as 0 and there is no Mach number for it.
    m_driver->choose("Option_PoP");
    const CaughtMessage message = m_driver->calculate();
    QVERIFY(message.shown);
    QVERIFY2(message.text.contains(QStringLiteral("Po/P must be at least 1")),
             qPrintable(message.text));
    QCOMPARE(m_driver->box("Text_PoP")->text(), QStringLiteral(" "));
}

void InputOptionTest::choosingTheChosenOptionAgainChangesNothing()
{
    m_driver->choose("Option_ToT");
    m_driver->type("Text_ToT", QStringLiteral("2"));
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(lookOf(*m_driver), resultsLook("Text_ToT"));

    // A radio button that is on stays on and raises no new choice.
    m_driver->choose("Option_ToT");
    QVERIFY(m_driver->option("Option_ToT")->isChecked());
    QCOMPARE(m_driver->box("Text_ToT")->text(), QStringLiteral("2"));
    QCOMPARE(lookOf(*m_driver), resultsLook("Text_ToT"));
}

void InputOptionTest::assistiveToggleChoosesAnOption()
{
    QAccessibleInterface *accessible =
        QAccessible::queryAccessibleInterface(m_driver->option("Option_PoP"));
    QVERIFY(accessible != nullptr && accessible->actionInterface() != nullptr);
    const QStringList actions = accessible->actionInterface()->actionNames();
    QVERIFY(!actions.isEmpty());
    accessible->actionInterface()->doAction(actions.front());
    QVERIFY(m_driver->option("Option_PoP")->isChecked());
    QCOMPARE(lookOf(*m_driver), inputLook("Text_PoP"));
}

void InputOptionTest::arrowKeysChooseWithinTheGroup()
{
    m_driver->choose("Option_M");
    QRadioButton *optionM = m_driver->option("Option_M");
    optionM->setFocus();
    QTest::keyClick(optionM, Qt::Key_Down);
    QVERIFY(m_driver->option("Option_PoP")->isChecked());
    QCOMPARE(lookOf(*m_driver), inputLook("Text_PoP"));
    QCOMPARE(m_driver->box("Text_PoP")->text(), QStringLiteral(" "));
}

void InputOptionTest::failedCalculationKeepsTheColours()
{
    m_driver->choose("Option_ToT");
    m_driver->type("Text_ToT", QStringLiteral("0.5"));
    QVERIFY(m_driver->calculate().shown);
    QCOMPARE(lookOf(*m_driver), resultsLook("Text_ToT"));
    QCOMPARE(m_driver->results(), QStringList({"", "", "0.5", ""}));
}

void InputOptionTest::paintingKeepsFontsFramesAndSizes()
{
    struct Before
    {
        QFont font;
        QRect geometry;
        bool frame;
    };
    std::vector<Before> before;
    for (const QuantityRowNames &row : quantityRows) {
        const QLineEdit *box = m_driver->box(row.box);
        before.push_back({box->font(), box->geometry(), box->hasFrame()});
    }
    m_driver->choose("Option_PoP");
    m_driver->type("Text_PoP", QStringLiteral("2"));
    QVERIFY(!m_driver->calculate().shown);
    for (std::size_t i = 0; i < before.size(); ++i) {
        const QLineEdit *box = m_driver->box(quantityRows[i].box);
        QCOMPARE(box->font(), before[i].font);
        QCOMPARE(box->geometry(), before[i].geometry);
        QCOMPARE(box->hasFrame(), before[i].frame);
        QCOMPARE(box->styleSheet(), QString());
    }
}

void InputOptionTest::boxesStayReadableUnderADarkPalette()
{
    const QPalette previous = QApplication::palette();
    QPalette dark = previous;
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    QApplication::setPalette(dark);

    const auto expectReadable = [this] {
        for (const QuantityRowNames &row : quantityRows) {
            const QPalette palette = m_driver->box(row.box)->palette();
            QVERIFY2(contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)) >= 4.5,
                     row.box);
        }
    };
    expectReadable(); // the desktop's own colours at start
    m_driver->choose("Option_ToT");
    m_driver->type("Text_ToT", QStringLiteral("2"));
    QVERIFY(!m_driver->calculate().shown);
    expectReadable(); // white and grey, with dark text
    QCOMPARE(m_driver->box("Text_ToT")->palette().color(QPalette::Base), QColor(255, 255, 255));

    QApplication::setPalette(previous);
}

void InputOptionTest::coloursShowOnScreenInEveryStyle_data()
{
    QTest::addColumn<QString>("style");
    for (const QString &key : QStyleFactory::keys()) {
        // Qt 6.7's Windows 11 style fills text boxes with a tint of its own over the palette's
        // colour; the program never draws in it, since it sets Fusion on every desktop.
        if (key.compare(QLatin1String("windows11"), Qt::CaseInsensitive) == 0)
            continue;
        QTest::newRow(qPrintable(key)) << key;
    }
}

void InputOptionTest::coloursShowOnScreenInEveryStyle()
{
    QFETCH(QString, style);
    const QString previous = QApplication::style()->name();
    QApplication::setStyle(style);

    m_driver->choose("Option_M");
    m_driver->type("Text_M", QStringLiteral("1"));
    QVERIFY(!m_driver->calculate().shown);
    const QColor white(255, 255, 255);
    const QColor grey(200, 200, 200);
    QCOMPARE(screenColour(m_driver->box("Text_M")), white);
    for (const char *name : {"Text_PoP", "Text_ToT", "Text_RoR"})
        QCOMPARE(screenColour(m_driver->box(name)), grey);
    // Dark text on both, whatever the desktop's palette.
    for (const QuantityRowNames &row : quantityRows)
        QCOMPARE(m_driver->box(row.box)->palette().color(QPalette::Text), QColor(Qt::black));

    QApplication::setStyle(previous);
}

QTEST_MAIN(InputOptionTest)
#include "input_option_test.moc"
