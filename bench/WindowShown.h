#pragma once
// Start-up ends when the window has been painted once: the event loop stops then
// and the moment goes to standard output on the monotonic clock, where the script
// reads it against the moment it started the process.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace bench {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so the whole first paint and its flush are done when it runs.
            QMetaObject::invokeMethod(
                qApp,
                [] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf("shown_ns=%lld\n",
                                static_cast<long long>(std::chrono::nanoseconds(now).count()));
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

// Shows the window, runs the loop to its first paint and returns the exit code;
// 1 when nothing was painted within two minutes (callgrind is slow).
inline int ShowAndEnd(QWidget& window)
{
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    QTimer::singleShot(120000, [] { QCoreApplication::exit(1); });
    return QApplication::exec();
}

} // namespace bench
