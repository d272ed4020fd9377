#pragma once
// Runs the multi-file search over its files on worker threads: each worker
// reads, decodes and searches whole files, a few files ahead of the one being
// delivered, and the outcomes are handed over strictly in file order, so what
// the receiver builds is the same as a run of one file after another.
#include "FolderSearch.h"

#include <QObject>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace quillon {

class FolderSearchRunner {
public:
    // workers < 1: one per processor.
    FolderSearchRunner(QStringList files, QString word, TSearchOptions options, int workers = 0);
    ~FolderSearchRunner();
    FolderSearchRunner(const FolderSearchRunner &) = delete;
    FolderSearchRunner &operator=(const FolderSearchRunner &) = delete;

    // Calls deliver for every file in order on the calling thread, until the
    // last one, a false answer, or cancel(). Runs once.
    void run(const std::function<bool(int index, FolderFileOutcome &&outcome)> &deliver);
    // From any thread: no further file is started or delivered.
    void cancel();
    [[nodiscard]] bool cancelled() const { return m_cancel.load(); }
    [[nodiscard]] int fileCount() const { return int(m_files.size()); }

    // How many files may be done ahead of the one being delivered.
    static constexpr int LookAhead = 8;

private:
    void work();

    QStringList m_files;
    QString m_word;
    TSearchOptions m_options;
    int m_workers;
    std::atomic<bool> m_cancel{false};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::optional<FolderFileOutcome>> m_slots;
    int m_next = 0;      // next file a worker takes
    int m_delivered = 0; // files handed over
};

// The runner on a thread of its own for a window: outcomes queue up here in
// file order and ready() tells the window (queued, on its thread) to take them.
// At most LookAhead outcomes wait; the run pauses until the window takes some.
class FolderSearchJob : public QObject {
    Q_OBJECT
public:
    FolderSearchJob(QStringList files, QString word, TSearchOptions options, int workers = 0,
                    QObject *parent = nullptr);
    ~FolderSearchJob() override; // cancels and waits for the thread
    FolderSearchJob(const FolderSearchJob &) = delete;
    FolderSearchJob &operator=(const FolderSearchJob &) = delete;

    void start();
    void cancel();
    [[nodiscard]] int fileCount() const { return m_runner.fileCount(); }
    // The outcomes delivered so far and not yet taken, in file order.
    [[nodiscard]] std::vector<FolderFileOutcome> take();
    // True once the run ended and everything was taken.
    [[nodiscard]] bool finished();

signals:
    void ready();

private:
    FolderSearchRunner m_runner;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_taken;
    std::deque<FolderFileOutcome> m_queue;
    bool m_done = false;
    bool m_cancelled = false;
};

} // namespace quillon
