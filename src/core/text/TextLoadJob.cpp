#include "TextLoadJob.h"

#include <QFileInfo>

namespace quillon {

std::shared_ptr<TextLoadJob> TextLoadJob::start(const QString &path, int readSetting, const QString &copyPath,
                                                qint64 progressiveFrom)
{
    std::shared_ptr<TextLoadJob> job(new TextLoadJob);
    job->m_path = path;
    job->m_readSetting = readSetting;
    job->m_copyPath = copyPath;
    TextLoadProgress *progress = QFileInfo(path).size() >= progressiveFrom ? &job->m_progress : nullptr;
    job->m_result = std::async(std::launch::async, [job = job.get(), progress] {
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
