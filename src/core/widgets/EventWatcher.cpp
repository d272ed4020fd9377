#include "EventWatcher.h"

#include <QCoreApplication>

namespace quillon {

EventWatcher::EventWatcher(QObject *watched, QObject *owner, Handler handler)
    : QObject(watched)
    , m_owner(owner)
    , m_handler(std::move(handler))
{
}

EventWatcher *EventWatcher::watch(QObject *watched, QObject *owner, Handler handler)
{
    auto *watcher = new EventWatcher(watched, owner, std::move(handler));
    watched->installEventFilter(watcher);
    // The application outlives every window: its watchers go with their owner.
    if (watched == QCoreApplication::instance())
        connect(owner, &QObject::destroyed, watcher, &QObject::deleteLater);
    return watcher;
}

bool EventWatcher::eventFilter(QObject *watched, QEvent *event)
{
    return m_owner && m_handler(watched, event);
}

} // namespace quillon
