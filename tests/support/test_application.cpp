// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Chains in front of Qt Test's own message handler.
#include "test_application.h"

#include "app/application.h"

#include <QString>
#include <QtGlobal>

namespace {
QtMessageHandler previousHandler = nullptr;
} // namespace

void setUpTestApplication()
{
    setUpApplication();
    previousHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (message.startsWith(QLatin1String("This plugin does not support"))
                || message.startsWith(QLatin1String("EnableNonClientDpiScaling() failed")))
                return;
            previousHandler(type, context, message);
        });
}
