#pragma once
// Lets an owner react to the events of another object without being its
// filter. The watcher is owned by the object it watches (or, for the
// application, removed when its owner goes), and it calls the handler only
// while the owner lives, so nobody has to take filters down in order.
#include <QObject>
#include <QPointer>

#include <functional>

namespace quillon {

class EventWatcher : public QObject {
public:
    // Return true to take the event.
    using Handler = std::function<bool(QObject *watched, QEvent *event)>;

    static EventWatcher *watch(QObject *watched, QObject *owner, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EventWatcher(QObject *watched, QObject *owner, Handler handler);

    QPointer<QObject> m_owner;
    Handler m_handler;
};

} // namespace quillon
