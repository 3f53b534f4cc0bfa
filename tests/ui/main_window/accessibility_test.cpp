// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// What a screen reader and a keyboard user get from the main window.
#include "app/application.h"
#include "tests/support/main_window_test_case.h"
#include "ui/main_window/form_main.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

namespace {

QString accessibleName(QObject *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible == nullptr ? QString() : accessible->text(QAccessible::Name);
}

} // namespace

class AccessibilityTest : public MainWindowTestCase
{
    Q_OBJECT

private slots:
    void boxesAreNamedAfterTheirQuantity_data();
    void boxesAreNamedAfterTheirQuantity();
    void buttonsAreNamedAfterTheirCaptions();
    void greekLabelsReadAsWords();
    void tooltipsGiveTheFullName_data();
    void tooltipsGiveTheFullName();
    void messagesAreReadable();
    void enterInAnyBoxCalculates_data();
    void enterInAnyBoxCalculates();
    void enterWithoutAnOptionShowsTheMessage();
    void commandIsTheDefaultButton();
    void windowsCarryTheProgramsIcon();
};

void AccessibilityTest::boxesAreNamedAfterTheirQuantity_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Text_gama") << "ratio of specific heats gamma";
    QTest::newRow("Text_M") << "Mach number";
    QTest::newRow("Text_PoP") << "stagnation to static pressure ratio";
    QTest::newRow("Text_ToT") << "stagnation to static temperature ratio";
    QTest::newRow("Text_RoR") << "stagnation to static density ratio";
}

void AccessibilityTest::boxesAreNamedAfterTheirQuantity()
{
    QFETCH(QString, name);
    QLineEdit *box = m_driver->box(QTest::currentDataTag());
    QCOMPARE(accessibleName(box), name);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    // The value a reader speaks is the box's text.
    QCOMPARE(accessible->text(QAccessible::Value), box->text());
}

void AccessibilityTest::buttonsAreNamedAfterTheirCaptions()
{
    for (const char *option : {"Option_M", "Option_PoP", "Option_ToT"})
        QCOMPARE(accessibleName(m_driver->option(option)), m_driver->option(option)->text());
    QCOMPARE(accessibleName(m_driver->command()), QStringLiteral("Choose an input option"));
    m_driver->choose("Option_M");
    QCOMPARE(accessibleName(m_driver->command()), QStringLiteral("Input value then CLICK"));
}

void AccessibilityTest::greekLabelsReadAsWords()
{
    QCOMPARE(accessibleName(m_driver->label("Label5")), QStringLiteral("gamma ="));
    QCOMPARE(accessibleName(m_driver->label("Label_RoR")), QStringLiteral("rho o over rho ="));
    QCOMPARE(accessibleName(m_driver->label("Label_PoP")), QStringLiteral("Po/P ="));
    // A label leads a reader to its box.
    QCOMPARE(m_driver->label("Label_RoR")->buddy(), m_driver->box("Text_RoR"));
}

void AccessibilityTest::tooltipsGiveTheFullName_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("tip");
    QTest::newRow("gamma") << "Label5"
                           << "Text_gama"
                           << "Ratio of specific heats gamma";
    QTest::newRow("M") << "Label_M"
                       << "Text_M"
                       << "Mach number";
    QTest::newRow("Po/P") << "Label_PoP"
                          << "Text_PoP"
                          << "Stagnation to static pressure ratio";
    QTest::newRow("To/T") << "Label_ToT"
                          << "Text_ToT"
                          << "Stagnation to static temperature ratio";
    QTest::newRow("rho") << "Label_RoR"
                         << "Text_RoR"
                         << "Stagnation to static density ratio";
}

void AccessibilityTest::tooltipsGiveTheFullName()
{
    QFETCH(QString, label);
    QFETCH(QString, box);
    QFETCH(QString, tip);
    QCOMPARE(m_driver->label(label.toLatin1().constData())->toolTip(), tip);
    QCOMPARE(m_driver->box(box.toLatin1().constData())->toolTip(), tip);
}

void AccessibilityTest::messagesAreReadable()
{
    const CaughtMessage missing = m_driver->calculate();
    QCOMPARE(missing.accessibleText, QStringLiteral("choose an input parameter"));

    m_driver->choose("Option_PoP");
    m_driver->type("Text_PoP", QStringLiteral("0.5"));
    const CaughtMessage failure = m_driver->calculate();
    QVERIFY(failure.shown);
    QCOMPARE(failure.accessibleText, failure.text);
}

void AccessibilityTest::enterInAnyBoxCalculates_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    for (const char *box : {"Text_gama", "Text_M", "Text_PoP", "Text_ToT", "Text_RoR"}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 Return").arg(QLatin1String(box))))
            << box << int(Qt::Key_Return);
        QTest::newRow(qPrintable(QStringLiteral("%1 keypad Enter").arg(QLatin1String(box))))
            << box << int(Qt::Key_Enter);
    }
}

void AccessibilityTest::enterInAnyBoxCalculates()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    const auto press = [key](QLineEdit *edit) {
        edit->setFocus();
        return catchMessage([edit, key] { QTest::keyClick(edit, Qt::Key(key)); });
    };

    // In the input look only the input box shows: Enter there calculates ...
    m_driver->choose("Option_M");
    m_driver->type("Text_M", QStringLiteral("2"));
    QVERIFY(!press(m_driver->box("Text_M")).shown);
    QCOMPARE(m_driver->results(), QStringList({"2", "7.8244", "1.8", "4.3469"}));

    // ... and in the results look, Enter in any box calculates again from the input.
    m_driver->box("Text_M")->setText(QStringLiteral("1"));
    QLineEdit *edit = m_driver->box(box.toLatin1().constData());
    QVERIFY(edit->isVisible());
    const CaughtMessage message = press(edit);
    QVERIFY2(!message.shown, qPrintable(message.text));
    QCOMPARE(m_driver->results(), QStringList({"1", "1.8929", "1.2", "1.5774"}));
}

void AccessibilityTest::enterWithoutAnOptionShowsTheMessage()
{
    QLineEdit *gama = m_driver->box("Text_gama");
    const CaughtMessage message = catchMessage([gama] { QTest::keyClick(gama, Qt::Key_Return); });
    QVERIFY(message.shown);
    QCOMPARE(message.text, QStringLiteral("choose an input parameter"));
}

void AccessibilityTest::commandIsTheDefaultButton()
{
    QVERIFY(m_driver->command()->isDefault());
}

void AccessibilityTest::windowsCarryTheProgramsIcon()
{
    setUpApplication();
    QVERIFY(!QApplication::windowIcon().isNull());
    QCOMPARE(QApplication::windowIcon().availableSizes(),
             QList<QSize>({QSize(48, 48), QSize(128, 128)}));
    QCOMPARE(m_window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QTest::mouseClick(
        m_window->menuBar(), Qt::LeftButton, {},
        m_window->menuBar()->actionGeometry(m_window->menuBar()->actions().front()).center());
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto about = std::ranges::find_if(windows, [](QWidget *window) {
        return window->objectName() == QLatin1String("Form_About");
    });
    QVERIFY(about != windows.end());
    QCOMPARE((*about)->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
