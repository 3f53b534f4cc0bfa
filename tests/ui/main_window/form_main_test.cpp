// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The main window as a user meets it: its designed state and the calculate command.
#include "tests/support/main_window_test_case.h"
#include "ui/main_window/form_main.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionGroupBox>
#include <QTest>

class FormMainTest : public MainWindowTestCase
{
    Q_OBJECT

private slots:
    void designedGeometry_data();
    void designedGeometry();
    void designedTexts_data();
    void designedTexts();
    void designedState();
    void clientAreaUnderTheMenuBar();
    void aboutIsACommandOnTheBar();
    void greekLabelsInAnOrdinaryFont();
    void boxesAreDrawnAboveTheLabelsUnderThem();
    void captionsFitTheirControls();
    void focusStartsInRhoBoxAndFollowsTheTabOrder();

    void noOptionChosenShowsTheMessage();
    void calculates_data();
    void calculates();
    void typedKeysAreCalculated();
    void secondClickReadsTheRoundedText();
    void resultsKeepOptionCaptionAndGama();
    void longResultsShowTheirLeadingDigits();
    void failureEmptiesTheResultsAndKeepsTheInput_data();
    void failureEmptiesTheResultsAndKeepsTheInput();
    void successAfterAFailureFillsTheBoxesAgain();
};

void FormMainTest::designedGeometry_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("Frame3") << "" << twips(120, 120, 1215, 615);
    QTest::newRow("Label5") << "Frame3" << twips(120, 240, 495, 255);
    QTest::newRow("Text_gama") << "Frame3" << twips(480, 240, 495, 285);
    QTest::newRow("Frame4") << "" << twips(120, 840, 1215, 1695);
    QTest::newRow("Option_M") << "Frame4" << twips(120, 360, 615, 255);
    QTest::newRow("Option_PoP") << "Frame4" << twips(120, 840, 735, 255);
    QTest::newRow("Option_ToT") << "Frame4" << twips(120, 1320, 735, 195);
    QTest::newRow("Frame1") << "" << twips(1560, 120, 1575, 1815);
    QTest::newRow("Label_M") << "Frame1" << twips(120, 240, 495, 255);
    QTest::newRow("Text_M") << "Frame1" << twips(720, 240, 735, 285);
    QTest::newRow("Label_RoR") << "Frame1" << twips(120, 600, 615, 255);
    QTest::newRow("Text_RoR") << "Frame1" << twips(720, 600, 735, 285);
    QTest::newRow("Label_PoP") << "Frame1" << twips(120, 960, 615, 255);
    QTest::newRow("Text_PoP") << "Frame1" << twips(720, 960, 735, 285);
    QTest::newRow("Label_ToT") << "Frame1" << twips(120, 1320, 615, 255);
    QTest::newRow("Text_ToT") << "Frame1" << twips(720, 1320, 735, 285);
    QTest::newRow("Command1") << "" << twips(1560, 2040, 1575, 495);
}

void FormMainTest::designedGeometry()
{
    QFETCH(QString, container);
    QFETCH(QRect, geometry);

    auto *control = m_window->findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    if (container.isEmpty())
        QCOMPARE(control->parentWidget(), m_window->centralWidget());
    else
        QCOMPARE(control->parentWidget()->objectName(), container);
    QVERIFY(control->isVisible());
}

void FormMainTest::designedTexts_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("Frame3") << "";
    QTest::newRow("Label5") << u8"\u03b3 =";
    QTest::newRow("Text_gama") << "1.4";
    QTest::newRow("Frame4") << "Input Option";
    QTest::newRow("Option_M") << "M";
    QTest::newRow("Option_PoP") << "Po/P";
    QTest::newRow("Option_ToT") << "To/T";
    QTest::newRow("Frame1") << "";
    QTest::newRow("Label_M") << "M =";
    QTest::newRow("Text_M") << "0";
    QTest::newRow("Label_RoR") << u8"\u03c1o/\u03c1 =";
    QTest::newRow("Text_RoR") << "1";
    QTest::newRow("Label_PoP") << "Po/P =";
    QTest::newRow("Text_PoP") << "1";
    QTest::newRow("Label_ToT") << "To/T =";
    QTest::newRow("Text_ToT") << "1";
    QTest::newRow("Command1") << "Choose an input option";
}

void FormMainTest::designedTexts()
{
    QFETCH(QString, text);

    auto *control = m_window->findChild<QObject *>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(control != nullptr);
    if (auto *frame = qobject_cast<QGroupBox *>(control))
        QCOMPARE(frame->title(), text);
    else if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), text);
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        QCOMPARE(box->text(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), text);
    else
        QFAIL("unexpected kind of control");
}

void FormMainTest::designedState()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("VelmoricFlow Equations"));
    for (const char *name : {"Option_M", "Option_PoP", "Option_ToT"})
        QVERIFY(!m_driver->option(name)->isChecked());
    for (QLineEdit *box : m_window->findChildren<QLineEdit *>()) {
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->validator(), nullptr);
        QCOMPARE(box->echoMode(), QLineEdit::Normal);
        // Longer texts than QLineEdit's default limit of 32767 characters are kept whole.
        const QString longText(100'000, QLatin1Char('7'));
        box->setText(longText);
        QCOMPARE(box->text(), longText);
    }
}

void FormMainTest::clientAreaUnderTheMenuBar()
{
    QCOMPARE(m_window->centralWidget()->size(), twips(0, 0, 3315, 2730).size());
    QCOMPARE(m_window->centralWidget()->y(), m_window->menuBar()->height());
}

void FormMainTest::aboutIsACommandOnTheBar()
{
    const QList<QAction *> items = m_window->menuBar()->actions();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.front()->objectName(), QStringLiteral("Mn_About"));
    QCOMPARE(items.front()->text(), QStringLiteral("About"));
    QCOMPARE(items.front()->menu(), nullptr);
}

void FormMainTest::greekLabelsInAnOrdinaryFont()
{
    QCOMPARE(m_driver->label("Label5")->font().pointSizeF(), 8.25);
    QCOMPARE(m_driver->label("Label_RoR")->font().pointSizeF(), 9.0);
    for (const char *name : {"Label5", "Label_RoR"}) {
        const QLabel *label = m_driver->label(name);
        const QFontMetrics metrics(label->font());
        for (QChar letter : label->text())
            QVERIFY2(metrics.inFont(letter), name);
    }
}

void FormMainTest::boxesAreDrawnAboveTheLabelsUnderThem()
{
    auto *frame3 = m_window->findChild<QWidget *>(QStringLiteral("Frame3"));
    QCOMPARE(frame3->childAt(twips(540, 360, 0, 0).topLeft()), m_driver->box("Text_gama"));
    auto *frame1 = m_window->findChild<QWidget *>(QStringLiteral("Frame1"));
    for (auto [label, box] :
         {std::pair {"Label_RoR", "Text_RoR"}, std::pair {"Label_PoP", "Text_PoP"},
          std::pair {"Label_ToT", "Text_ToT"}}) {
        const QRect overlap = m_driver->label(label)->geometry() & m_driver->box(box)->geometry();
        QVERIFY2(!overlap.isEmpty(), label);
        QCOMPARE(frame1->childAt(overlap.center()), m_driver->box(box));
    }
}

void FormMainTest::captionsFitTheirControls()
{
    for (QLabel *label : m_window->findChildren<QLabel *>()) {
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 qPrintable(label->objectName()));
        QVERIFY2(metrics.height() <= label->contentsRect().height(),
                 qPrintable(label->objectName()));
    }
    for (QRadioButton *option : m_window->findChildren<QRadioButton *>()) {
        QStyleOptionButton style;
        style.initFrom(option);
        const QRect room =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const QFontMetrics metrics(option->font());
        QVERIFY2(metrics.horizontalAdvance(option->text()) <= room.width(),
                 qPrintable(option->objectName()));
        const QRect indicator =
            option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
        QVERIFY2(option->rect().contains(indicator), qPrintable(option->objectName()));
        QVERIFY2(metrics.height() <= option->height(), qPrintable(option->objectName()));
    }
    auto *frame4 = m_window->findChild<QGroupBox *>(QStringLiteral("Frame4"));
    QStyleOptionGroupBox box;
    box.initFrom(frame4);
    box.text = frame4->title();
    box.subControls = QStyle::SC_GroupBoxLabel;
    const QRect title = frame4->style()->subControlRect(QStyle::CC_GroupBox, &box,
                                                        QStyle::SC_GroupBoxLabel, frame4);
    QVERIFY(QFontMetrics(frame4->font()).horizontalAdvance(frame4->title()) <= title.width());
    QVERIFY(title.right() < frame4->width());

    // The button's captions are longer than the button: wrapped, both lines fit.
    QPushButton *command = m_driver->command();
    QStyleOptionButton button;
    button.initFrom(command);
    const QRect contents =
        command->style()->subElementRect(QStyle::SE_PushButtonContents, &button, command);
    for (const QString &caption :
         {QStringLiteral("Choose an input option"), QStringLiteral("Input value then CLICK")}) {
        const QFontMetrics metrics(command->font());
        QVERIFY(metrics.horizontalAdvance(caption) > contents.width());
        const QRect needed =
            metrics.boundingRect(contents, Qt::AlignCenter | Qt::TextWordWrap, caption);
        QVERIFY2(contents.contains(needed), qPrintable(caption));
    }
}

void FormMainTest::focusStartsInRhoBoxAndFollowsTheTabOrder()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), m_driver->box("Text_RoR"));

    // The option buttons are one stop, as a group: Tab enters it once, arrows move inside it.
    QStringList order;
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order,
             QStringList({"Text_ToT", "Text_gama", "Option_M", "Text_M", "Text_PoP", "Command1",
                          "Text_RoR"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), m_driver->option("Option_M"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), m_driver->option("Option_PoP"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), m_driver->option("Option_ToT"));
}

void FormMainTest::noOptionChosenShowsTheMessage()
{
    const QStringList before = m_driver->results();
    const CaughtMessage message = m_driver->calculate();
    QVERIFY(message.shown);
    QCOMPARE(message.text, QStringLiteral("choose an input parameter"));
    QCOMPARE(message.title, QStringLiteral("Velmoric Flow Equations"));
    QCOMPARE(message.icon, QMessageBox::NoIcon);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(message.modal);
    QCOMPARE(m_driver->results(), before);
    QCOMPARE(m_driver->box("Text_gama")->text(), QStringLiteral("1.4"));
}

void FormMainTest::calculates_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("gama");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QStringList>("results"); // M, Po/P, To/T, rho_o/rho

    QTest::newRow("M = 1") << "Option_M"
                           << "1.4"
                           << "1" << QStringList {"1", "1.8929", "1.2", "1.5774"};
    QTest::newRow("M = 2 shows To/T as 1.8") << "Option_M"
                                             << "1.4"
                                             << "2" << QStringList {"2", "7.8244", "1.8", "4.3469"};
    QTest::newRow("negative M") << "Option_M"
                                << "1.4"
                                << "-1" << QStringList {"-1", "1.8929", "1.2", "1.5774"};
    QTest::newRow("2abc reads as 2") << "Option_M"
                                     << "1.4"
                                     << "2abc" << QStringList {"2", "7.8244", "1.8", "4.3469"};
    QTest::newRow("a single space reads as 0") << "Option_M"
                                               << "1.4"
                                               << " " << QStringList {"0", "1", "1", "1"};
    QTest::newRow("abc as gamma reads as 0") << "Option_M"
                                             << "abc"
                                             << "1" << QStringList {"1", "1", "0.5", "2"};
    QTest::newRow("comma ends the number") << "Option_M"
                                           << "1.4"
                                           << "1,5" << QStringList {"1", "1.8929", "1.2", "1.5774"};
    QTest::newRow("To/T = 2") << "Option_ToT"
                              << "1.4"
                              << "2" << QStringList {"2.2361", "11.3137", "2", "5.6569"};
    QTest::newRow("To/T = 1.2") << "Option_ToT"
                                << "1.4"
                                << "1.2" << QStringList {"1", "1.8929", "1.2", "1.5774"};
    QTest::newRow("Po/P = 2") << "Option_PoP"
                              << "1.4"
                              << "2" << QStringList {"1.0465", "2", "1.219", "1.6407"};
    QTest::newRow("Po/P = 1.8929 shows M as 1")
        << "Option_PoP"
        << "1.4"
        << "1.8929" << QStringList {"1", "1.8929", "1.2", "1.5774"};
    QTest::newRow("Po/P = 1") << "Option_PoP"
                              << "1.4"
                              << "1" << QStringList {"0", "1", "1", "1"};
    QTest::newRow("gamma = 1.67") << "Option_M"
                                  << "1.67"
                                  << "3" << QStringList {"3", "31.9675", "4.015", "7.962"};
}

void FormMainTest::calculates()
{
    QFETCH(QString, option);
    QFETCH(QString, gama);
    QFETCH(QString, input);
    QFETCH(QStringList, results);

    const QByteArray optionName = option.toLatin1();
    const QByteArray boxName = "Text_" + optionName.mid(7);
    m_driver->choose(optionName.constData());
    QVERIFY(m_driver->option(optionName.constData())->isChecked());
    m_driver->box("Text_gama")->setText(gama);
    m_driver->box(boxName.constData())->setText(input);

    const CaughtMessage message = m_driver->calculate();
    QVERIFY2(!message.shown, qPrintable(message.text));
    QCOMPARE(m_driver->results(), results);
}

void FormMainTest::typedKeysAreCalculated()
{
    m_driver->choose("Option_PoP");
    m_driver->type("Text_PoP", QStringLiteral("2"));
    QCOMPARE(m_driver->box("Text_PoP")->text(), QStringLiteral("2"));
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(m_driver->results(), QStringList({"1.0465", "2", "1.219", "1.6407"}));
}

void FormMainTest::secondClickReadsTheRoundedText()
{
    m_driver->choose("Option_M");
    m_driver->type("Text_M", QStringLiteral("1.23456"));
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(m_driver->results(), QStringList({"1.2346", "2.5377", "1.3048", "1.9448"}));
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(m_driver->results(), QStringList({"1.2346", "2.5378", "1.3048", "1.9449"}));
}

void FormMainTest::resultsKeepOptionCaptionAndGama()
{
    m_driver->choose("Option_ToT");
    m_driver->type("Text_gama", QStringLiteral("1.40"));
    m_driver->type("Text_ToT", QStringLiteral("2"));
    const QString caption = m_driver->command()->text();
    QVERIFY(!m_driver->calculate().shown);
    QVERIFY(m_driver->option("Option_ToT")->isChecked());
    QCOMPARE(m_driver->box("Text_gama")->text(), QStringLiteral("1.40"));
    QCOMPARE(m_driver->command()->text(), caption);
}

void FormMainTest::longResultsShowTheirLeadingDigits()
{
    m_driver->choose("Option_M");
    m_driver->type("Text_M", QStringLiteral("123456789012.3456"));
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(m_driver->box("Text_M")->text(), QStringLiteral("123456789012.346"));
    for (const char *name : {"Text_M", "Text_PoP", "Text_ToT", "Text_RoR"})
        QCOMPARE(m_driver->box(name)->cursorPosition(), 0);
}

void FormMainTest::failureEmptiesTheResultsAndKeepsTheInput_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("gama");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("says");

    QTest::newRow("Po/P below 1") << "Option_PoP"
                                  << "1.4"
                                  << "0.5" << u8"Po/P must be at least 1 when \u03b3 is above 1.";
    QTest::newRow("To/T below 1") << "Option_ToT"
                                  << "1.4"
                                  << "0.9" << u8"To/T must be at least 1 when \u03b3 is above 1.";
    QTest::newRow("blank Po/P reads as 0")
        << "Option_PoP"
        << "1.4"
        << " " << u8"Po/P must be at least 1 when \u03b3 is above 1.";
    QTest::newRow("gamma = 1") << "Option_M"
                               << "1"
                               << "2" << u8"\u03b3 = 1 has no solution";
    QTest::newRow("gamma = 0 with Po/P")
        << "Option_PoP"
        << "0"
        << "2" << u8"\u03b3 = 0 has no solution when Po/P is given";
    QTest::newRow("M too large to read") << "Option_M"
                                         << "1.4"
                                         << "1e400"
                                         << "M is too large a number for the calculator.";
    QTest::newRow("gamma too large to read") << "Option_ToT"
                                             << "-1e400"
                                             << "2" << u8"\u03b3 is too large a number";
    QTest::newRow("result too large") << "Option_M"
                                      << "1.4"
                                      << "1e100"
                                      << "beyond the range of the calculator";
}

void FormMainTest::failureEmptiesTheResultsAndKeepsTheInput()
{
    QFETCH(QString, option);
    QFETCH(QString, gama);
    QFETCH(QString, input);
    QFETCH(QString, says);

    const QByteArray optionName = option.toLatin1();
    const QByteArray boxName = "Text_" + optionName.mid(7);
    m_driver->choose(optionName.constData());
    m_driver->type("Text_gama", gama);
    m_driver->type(boxName.constData(), input);

    const CaughtMessage message = m_driver->calculate();
    QVERIFY(message.shown);
    QCOMPARE(message.title, QStringLiteral("Velmoric Flow Equations"));
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(message.modal);
    QVERIFY2(message.text.contains(says), qPrintable(message.text));

    QCOMPARE(m_driver->box(boxName.constData())->text(), input);
    QCOMPARE(m_driver->box("Text_gama")->text(), gama);
    for (const char *name : {"Text_M", "Text_PoP", "Text_ToT", "Text_RoR"}) {
        QVERIFY(m_driver->box(name)->isVisible());
        if (QByteArray(name) != boxName)
            QVERIFY2(m_driver->box(name)->text().isEmpty(), name);
    }
    QVERIFY(m_window->isVisible());
}

void FormMainTest::successAfterAFailureFillsTheBoxesAgain()
{
    m_driver->choose("Option_PoP");
    m_driver->type("Text_PoP", QStringLiteral("0.5"));
    QVERIFY(m_driver->calculate().shown);
    m_driver->type("Text_PoP", QStringLiteral("2"));
    QVERIFY(!m_driver->calculate().shown);
    QCOMPARE(m_driver->results(), QStringList({"1.0465", "2", "1.219", "1.6407"}));
}

QTEST_MAIN(FormMainTest)
#include "form_main_test.moc"
