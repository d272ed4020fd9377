#pragma once
// Waiting for the main window and the text view. The window finishes its
// start, its loads and its clicks in queued calls and one-shot timers; a test
// checks the result once those have run, and a check that nothing happened is
// made after the event that would have done it had its turn.
#include "TFormMain.h"
#include "TMemoExDark.h"
#include "support/Waits.h"

#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace quillon::test {

[[nodiscard]] inline bool oneShotTimerPending(const TFormMain &w)
{
    for (const QTimer *t : w.Timers) {
        if (t && t->isSingleShot() && t->isActive())
            return true;
    }
    return false;
}

// Waits until the window's show sequence has run (it ends by filling the start
// log), every queued call made so far has run, no one-shot timer is pending
// and a file read again in the background (a wrap change) or still being
// decoded (a large file) is on screen.
[[nodiscard]] inline bool settled(const TFormMain &w, int timeoutMs = 5000)
{
    const PostedEventsBarrier barrier;
    return QTest::qWaitFor(
        [&] {
            return barrier.passed() && !w.StrListLog.isEmpty() && !oneShotTimerPending(w) && !w.reloadPending()
                && !w.loading();
        },
        timeoutMs);
}

// Waits until a wrapped view has broken every line at its final width: the
// count is known and the scroll bar shows exactly when there is something to
// scroll (showing it narrows the view and starts the breaking again).
[[nodiscard]] inline bool wrapSettled(const TMemoExDark &view, int timeoutMs = 5000)
{
    return QTest::qWaitFor(
        [&] {
            const QScrollBar *bar = view.verticalScrollBar();
            return view.lineCountKnown() && bar->isVisible() == (bar->maximum() > 0);
        },
        timeoutMs);
}

// The window settled (its text read again after a wrap change is on screen)
// and then its view's breaking done.
[[nodiscard]] inline bool wrapSettled(const TFormMain &w, int timeoutMs = 5000)
{
    return settled(w, timeoutMs) && wrapSettled(*w.textView(), timeoutMs);
}

} // namespace quillon::test
