// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Finds the window's controls by their names and works them with Qt Test's input events.
#include "main_window_driver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

template<typename Widget>
Widget *MainWindowDriver::find(const char *name) const
{
    auto *widget = m_window->findChild<Widget *>(QLatin1String(name));
    if (widget == nullptr)
        qFatal("the main window has no control named %s", name);
    return widget;
}

QLineEdit *MainWindowDriver::box(const char *name) const
{
    return find<QLineEdit>(name);
}

QLabel *MainWindowDriver::label(const char *name) const
{
    return find<QLabel>(name);
}

QRadioButton *MainWindowDriver::option(const char *name) const
{
    return find<QRadioButton>(name);
}

QPushButton *MainWindowDriver::command() const
{
    return find<QPushButton>("Command1");
}

void MainWindowDriver::choose(const char *name) const
{
    QRadioButton *button = option(name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

void MainWindowDriver::type(const char *name, const QString &text) const
{
    QLineEdit *edit = box(name);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text) {
        // Qt Test maps only ASCII to keys; other letters arrive as text, as from an input method.
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

CaughtMessage MainWindowDriver::calculate() const
{
    return catchMessage([this] { QTest::mouseClick(command(), Qt::LeftButton); });
}

QStringList MainWindowDriver::results() const
{
    return {box("Text_M")->text(), box("Text_PoP")->text(), box("Text_ToT")->text(),
            box("Text_RoR")->text()};
}
