#pragma once
// Answers the next modal dialog of type T the way a user would: as soon as it
// is the active modal widget, `act` sets its controls and accepts or rejects
// it. The dialog runs its own event loop, so the check is a polling timer
// that ends itself; nothing sleeps for a fixed time.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace quillon::test {

template <typename T>
void answerNextModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer(QCoreApplication::instance());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act = std::move(act)] {
        T *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

} // namespace quillon::test
