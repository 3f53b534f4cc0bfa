// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The box is read from a zero timer, which runs once the action has opened it.
#include "message_catcher.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

QString accessibleText(QWidget *box)
{
    // The label that holds the message is what assistive tools read.
    for (QLabel *label : box->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        if (QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label)) {
            QString name = accessible->text(QAccessible::Name);
            if (!name.isEmpty())
                return name;
        }
    }
    return {};
}

} // namespace

CaughtMessage catchMessage(const std::function<void()> &action)
{
    CaughtMessage caught;
    QTimer::singleShot(0, [&caught] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        caught.shown = true;
        caught.title = box->windowTitle();
        caught.text = box->text();
        caught.icon = box->icon();
        caught.buttons = box->standardButtons();
        caught.modal = box->isModal();
        caught.accessibleText = accessibleText(box);
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            ok->click();
        else
            box->reject();
    });
    action();
    // When no box was opened, the timer is still pending: let it find nothing.
    QCoreApplication::processEvents();
    return caught;
}
