#pragma once
// The desktop's own file manager, asked over D-Bus to show a file
// (org.freedesktop.FileManager1.ShowItems): where no filer window is there,
// the user still gets the file shown in a folder window.
#include <QString>
#include <functional>

namespace quillon {

class DesktopFileManager {
public:
    // True when a file manager took the request.
    using Show = std::function<bool(const QString &path)>;
    [[nodiscard]] static bool showItem(const QString &path);
    // Tests put their own in place; an empty function puts D-Bus back.
    [[nodiscard]] static Show current();
    static void setForTesting(Show show);
};

} // namespace quillon
