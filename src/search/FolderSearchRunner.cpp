#include "FolderSearchRunner.h"

#include <algorithm>

namespace quillon {

FolderSearchRunner::FolderSearchRunner(QStringList files, QString word, TSearchOptions options, int workers)
    : m_files(std::move(files))
    , m_word(std::move(word))
    , m_options(options)
    , m_workers(workers > 0 ? workers : int(std::max(1u, std::thread::hardware_concurrency())))
    , m_slots(size_t(m_files.size()))
{
}

FolderSearchRunner::~FolderSearchRunner()
{
    cancel();
}

void FolderSearchRunner::cancel()
{
    {
        std::lock_guard lock(m_mutex);
        m_cancel = true;
    }
    m_changed.notify_all();
}

void FolderSearchRunner::work()
{
    for (;;) {
        int index = 0;
        QString path;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] {
                return m_cancel || m_next >= int(m_files.size()) || m_next < m_delivered + LookAhead;
            });
            if (m_cancel || m_next >= int(m_files.size()))
                return;
            index = m_next++;
            path = m_files[index];
        }
        FolderFileOutcome outcome = FolderSearch::searchFile(path, m_word, m_options);
        {
            std::lock_guard lock(m_mutex);
            m_slots[size_t(index)] = std::move(outcome);
        }
        m_changed.notify_all();
    }
}

void FolderSearchRunner::run(const std::function<bool(int, FolderFileOutcome &&)> &deliver)
{
    const int n = int(m_files.size());
    std::vector<std::thread> threads;
    const int count = std::min(m_workers, std::max(n, 1));
    threads.reserve(size_t(count));
    for (int i = 0; i < count; ++i)
        threads.emplace_back([this] { work(); });
    for (int d = 0; d < n; ++d) {
        FolderFileOutcome outcome;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_cancel || m_slots[size_t(d)].has_value(); });
            if (m_cancel)
                break;
            outcome = std::move(*m_slots[size_t(d)]);
            m_slots[size_t(d)].reset();
            m_delivered = d + 1;
        }
        m_changed.notify_all();
        if (!deliver(d, std::move(outcome))) {
            cancel();
            break;
        }
    }
    cancel(); // the workers stop taking files
    for (std::thread &t : threads)
        t.join();
}

FolderSearchJob::FolderSearchJob(QStringList files, QString word, TSearchOptions options, int workers,
                                 QObject *parent)
    : QObject(parent)
    , m_runner(std::move(files), std::move(word), options, workers)
{
}

FolderSearchJob::~FolderSearchJob()
{
    cancel();
    if (m_thread.joinable())
        m_thread.join();
}

void FolderSearchJob::start()
{
    m_thread = std::thread([this] {
        m_runner.run([this](int, FolderFileOutcome &&outcome) {
            std::unique_lock lock(m_mutex);
            m_taken.wait(lock, [&] { return m_cancelled || int(m_queue.size()) < FolderSearchRunner::LookAhead; });
            if (m_cancelled)
                return false;
            m_queue.push_back(std::move(outcome));
            lock.unlock();
            emit ready();
            return true;
        });
        {
            std::lock_guard lock(m_mutex);
            m_done = true;
        }
        emit ready();
    });
}

void FolderSearchJob::cancel()
{
    {
        std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_taken.notify_all();
    m_runner.cancel();
}

std::vector<FolderFileOutcome> FolderSearchJob::take()
{
    std::vector<FolderFileOutcome> out;
    {
        std::lock_guard lock(m_mutex);
        while (!m_queue.empty()) {
            out.push_back(std::move(m_queue.front()));
            m_queue.pop_front();
        }
    }
    m_taken.notify_all();
    return out;
}

bool FolderSearchJob::finished()
{
    std::lock_guard lock(m_mutex);
    return m_done && m_queue.empty();
}

} // namespace quillon
