#pragma once
// The file named on the command line, read and decoded on a thread of its
// own while the window builds its menus and widgets; the window's first load
// takes the result instead of starting again.
#include "TextLoader.h"

#include <future>
#include <optional>

namespace quillon {

class TextPreload {
public:
    TextPreload() = default;
    TextPreload(const TextPreload &) = delete;
    TextPreload &operator=(const TextPreload &) = delete;
    // A load nobody took is waited for, and dropped.
    ~TextPreload();

    // Starts TextLoader::load(path, readSetting, copyPath).
    void start(const QString &path, int readSetting, const QString &copyPath);
    // The result of the load started with exactly these arguments, once;
    // waits for it to end. Nothing when no such load was started.
    [[nodiscard]] std::optional<LoadedText> take(const QString &path, int readSetting, const QString &copyPath);

private:
    QString m_path, m_copyPath;
    int m_readSetting = 0;
    std::future<LoadedText> m_result;
};

} // namespace quillon
