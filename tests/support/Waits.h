#pragma once
// Waiting on conditions instead of sleeping, for any widget or object.
#include <QCoreApplication>
#include <QTest>
#include <QTimer>
#include <memory>

namespace quillon::test {

// True once every event posted before it was made has been delivered (posted
// events are delivered in order, so a queued call made earlier has run).
class PostedEventsBarrier {
public:
    PostedEventsBarrier()
    {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [reached = m_reached] { *reached = true; },
                                  Qt::QueuedConnection);
    }
    [[nodiscard]] bool passed() const { return *m_reached; }

private:
    std::shared_ptr<bool> m_reached = std::make_shared<bool>(false);
};

// Waits until every timer due within ms from now has fired: Qt fires timers in
// the order they fall due. Only for checking that a timer nobody can reach
// from outside has stopped; anything observable is waited on directly.
[[nodiscard]] inline bool timersDueWithinFired(int ms)
{
    bool fired = false;
    QTimer marker;
    marker.setTimerType(Qt::PreciseTimer);
    marker.setSingleShot(true);
    QObject::connect(&marker, &QTimer::timeout, [&fired] { fired = true; });
    marker.start(ms);
    return QTest::qWaitFor([&] { return fired; }, ms + 5000);
}

} // namespace quillon::test
