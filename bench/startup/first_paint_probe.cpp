// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// Linked into a program beside its own main(), this measures the time from the start of main
// to the first paint of its main window and prints it, then ends the run. The program itself
// stays as it is: a static initializer, run as the executable reaches main, notes the time,
// and a startup function of the application object watches the events for the first paint.
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include <chrono>
#include <cstdio>

namespace {

const auto started = std::chrono::steady_clock::now();

class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType()
            && qobject_cast<QMainWindow *>(static_cast<QWidget *>(watched)->window()) != nullptr) {
            m_seen = true;
            // The whole window paints in this one pass; a zero timer runs once the pass is
            // over and the frame has gone to the window system.
            QTimer::singleShot(0, this, [] {
                const auto elapsed = std::chrono::steady_clock::now() - started;
                std::printf(
                    "first_paint_us %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool m_seen = false;
};

void watchForFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForFirstPaint)
