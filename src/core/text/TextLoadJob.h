#pragma once
// A load on a thread of its own (TextLoader::load), which a window can show
// while it runs: a file of at least progressiveFrom bytes publishes its text
// as it is decoded (TextLoadProgress). Dropping the job stops the decode at
// its next stretch and waits for the thread; whoever shows the text keeps
// the job alive (a shared pointer) for as long as it does.
#include "TextLoadProgress.h"
#include "TextLoader.h"

#include <future>
#include <memory>

namespace quillon {

class TextLoadJob {
public:
    // Files this large show their first screen before the rest is decoded.
    static constexpr qint64 DefaultProgressiveFrom = qint64(64) << 20;

    [[nodiscard]] static std::shared_ptr<TextLoadJob> start(const QString &path, int readSetting,
                                                            const QString &copyPath,
                                                            qint64 progressiveFrom = DefaultProgressiveFrom);
    ~TextLoadJob();
    TextLoadJob(const TextLoadJob &) = delete;
    TextLoadJob &operator=(const TextLoadJob &) = delete;

    [[nodiscard]] bool startedWith(const QString &path, int readSetting, const QString &copyPath) const
    {
        return path == m_path && readSetting == m_readSetting && copyPath == m_copyPath;
    }
    // The file was large enough to show its text while it loads.
    [[nodiscard]] bool showsWhileLoading() const { return m_showsWhileLoading; }
    [[nodiscard]] const TextLoadProgress &progress() const { return m_progress; }
    // callback runs when the load ends, on the loading thread (at once when it has).
    void whenEnded(std::function<void()> callback) { m_progress.whenEnded(std::move(callback)); }
    [[nodiscard]] bool ended() const { return m_progress.ended(); }
    // Waits for the end; the result once (later calls give an empty one).
    [[nodiscard]] LoadedText take();
    // Stops the decode at its next stretch and waits for the thread.
    void stop();

private:
    TextLoadJob() = default;
    QString m_path, m_copyPath;
    int m_readSetting = 0;
    bool m_showsWhileLoading = false;
    TextLoadProgress m_progress;
    std::future<LoadedText> m_result;
};

} // namespace quillon
