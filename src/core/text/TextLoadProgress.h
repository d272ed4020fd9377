#pragma once
// What a load has decoded so far, for a window to show while the rest is
// decoded on another thread. The text shown is a prefix of the final text:
// first a screen decoded from the file's first bytes alone, then the text in
// the memory the final text will occupy (the loader reserves room for all of
// it first, so nothing shown ever moves). The first screen is decoded by the
// code those first bytes suggest; when the whole file says otherwise it is
// withdrawn, and what follows starts a new era the window shows from scratch.
#include "TextBuffer.h"

#include <QtGlobal>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>

namespace quillon {

struct TextShown {
    const char16_t *text = nullptr;
    qsizetype units = 0;                // whole lines only, each ended by CR LF
    const int32_t *lineStarts = nullptr;
    int lines = 0;                      // starts of lines 0..lines-1 (the last is units)
    int era = 0;                        // counts the withdrawals before it
};

class TextLoadProgress {
public:
    // Called by the loading thread after each stretch it has written. A
    // snapshot of fewer lines than the one shown adds nothing and is dropped.
    void publish(const TextShown &shown);
    // What was shown is not the file's text: nothing is shown now, and the
    // next snapshot belongs to a new era.
    void withdraw();
    // The load has ended (any way): waiters wake, and the callback runs (on
    // the loading thread; at once when the load has already ended).
    void end();
    void whenEnded(std::function<void()> callback);

    [[nodiscard]] TextShown shown() const;
    [[nodiscard]] bool ended() const { return m_ended.load(std::memory_order_acquire); }
    // Waits until at least lines lines are shown, the load ends or timeout passes.
    void waitShown(int lines, std::chrono::milliseconds timeout) const;

    // Asks the loading threads to give up at their next stretch.
    void stop() { m_stop.store(true, std::memory_order_release); }
    [[nodiscard]] bool stopped() const { return m_stop.load(std::memory_order_acquire); }
    [[nodiscard]] const std::atomic<bool> *stopFlag() const { return &m_stop; }

    // The text being written. It lives here, not on the loading thread, so
    // that what was shown outlives a load that failed or was stopped.
    std::optional<TextSink> sink;
    // The first screen, decoded from the file's first bytes before the whole
    // file was read; kept while the window may still show it.
    std::optional<TextSink> firstScreen;

private:
    mutable std::mutex m_mutex;
    mutable std::condition_variable m_changed;
    TextShown m_shown;
    int m_era = 0;
    std::function<void()> m_whenEnded;
    std::atomic<bool> m_ended{false};
    std::atomic<bool> m_stop{false};
};

} // namespace quillon
