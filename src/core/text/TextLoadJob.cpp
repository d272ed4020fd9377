#include "TextLoadJob.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace quillon {

namespace {

void yieldToTheWindow()
{
#ifdef __linux__
    // Per thread on Linux, and passed on to the threads it starts.
    const pid_t self = pid_t(::syscall(SYS_gettid));
    errno = 0;
    const int now = ::getpriority(PRIO_PROCESS, id_t(self));
    if (errno == 0)
        (void)::setpriority(PRIO_PROCESS, id_t(self), std::min(now + 4, 19));
#endif
}

} // namespace

std::shared_ptr<TextLoadJob> TextLoadJob::start(const QString &path, int readSetting, const QString &copyPath,
                                                qint64 progressiveFrom)
{
    std::shared_ptr<TextLoadJob> job(new TextLoadJob);
    job->m_path = path;
    job->m_readSetting = readSetting;
    job->m_copyPath = copyPath;
    job->m_showsWhileLoading = QFileInfo(path).size() >= progressiveFrom;
    TextLoadProgress *progress = job->m_showsWhileLoading ? &job->m_progress : nullptr;
    job->m_result = std::async(std::launch::async, [job = job.get(), progress] {
        // A load the window shows while it runs yields to the window: this
        // thread and the ones it starts run a little behind it.
        if (progress)
            yieldToTheWindow();
        struct Ending {
            TextLoadProgress &p;
            ~Ending() { p.end(); }
        } ending{job->m_progress};
        return TextLoader::load(job->m_path, job->m_readSetting, job->m_copyPath, progress);
    });
    return job;
}

TextLoadJob::~TextLoadJob()
{
    stop();
}

LoadedText TextLoadJob::take()
{
    if (!m_result.valid())
        return {};
    return m_result.get();
}

void TextLoadJob::stop()
{
    m_progress.stop();
    if (m_result.valid())
        m_result.wait();
}

} // namespace quillon
