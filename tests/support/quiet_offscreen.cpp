// Chains in front of Qt Test's own message handler.
#include "quiet_offscreen.h"

#include <QString>
#include <QtGlobal>

namespace {
QtMessageHandler previousHandler = nullptr;
} // namespace

void QuietOffscreenWarnings()
{
    previousHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (message.contains(QLatin1String("does not support propagateSizeHints")))
                return;
            previousHandler(type, context, message);
        });
}
