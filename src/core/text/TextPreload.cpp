#include "TextPreload.h"

namespace quillon {

TextPreload::~TextPreload()
{
    if (m_result.valid())
        m_result.wait();
}

void TextPreload::start(const QString &path, int readSetting, const QString &copyPath)
{
    if (m_result.valid())
        m_result.wait();
    m_path = path;
    m_readSetting = readSetting;
    m_copyPath = copyPath;
    m_result = std::async(std::launch::async,
                          [path, readSetting, copyPath] { return TextLoader::load(path, readSetting, copyPath); });
}

std::optional<LoadedText> TextPreload::take(const QString &path, int readSetting, const QString &copyPath)
{
    if (!m_result.valid() || path != m_path || readSetting != m_readSetting || copyPath != m_copyPath)
        return std::nullopt;
    return m_result.get();
}

} // namespace quillon
