#pragma once
// The filer link over a WindowSystem: window searches by title, the window
// that shows our file, bringing a window forward, and the show-in-filer
// message. The filer and this viewer know each other only by window titles,
// the filer's handle on our command line and that one message.
#include "StartLog.h"
#include "WindowSystem.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace quillon {

enum class WindowSearch {
    Viewers,          // titles holding " - Quillon"
    ViewersAndFilers, // once for each of " - Harbek", " - Dollmer", " - Quillon" a title holds
    All,              // every window
};

class FilerLink {
public:
    explicit FilerLink(WindowSystem &system);

    // The tag of the show-in-filer message.
    static constexpr quint32 ShowInFilerTag = 32800;
    // The most of a title a search reads.
    static constexpr int TitleLimit = 511;

    // a-z to A-Z, nothing else.
    [[nodiscard]] static QString upperAscii(const QString &text);
    // Whether text holds part, upper-cased both by upperAscii.
    [[nodiscard]] static bool containsAscii(const QString &text, const QString &part);

    [[nodiscard]] QList<FoundWindow> search(WindowSearch mode);
    [[nodiscard]] static QList<FoundWindow> search(const QList<TopWindow> &windows, WindowSearch mode);
    // In an all-windows search: the first window whose title holds file and
    // is not one of our viewers. None without a file.
    [[nodiscard]] static std::optional<FoundWindow> windowShowingFile(const QList<FoundWindow> &all,
                                                                      const QString &file);
    // The full path in UTF-16 little-endian and one 0 code unit.
    [[nodiscard]] static QByteArray showInFilerData(const QString &path);

    // The foreground window; a minimised one is restored too.
    void bringToFront(WindowHandle window);
    // Brings forward the window showing file, or else asks the filer to show it.
    void sendOrFront(const QString &file, WindowHandle filer, WindowHandle sender);

    enum class ShowOutcome {
        Nothing,     // no file or no filer
        ShownAlready, // a window showed the file; it came forward
        Asked,       // the filer was asked (and its viewer brought forward)
    };
    ShowOutcome showInFiler(const QString &file, WindowHandle filer, WindowHandle sender);
    // Whether some top-level window has the handle.
    [[nodiscard]] bool windowExists(WindowHandle window);
    // On closing: the window showing file forward, else the filer.
    void frontOnClose(const QString &file, WindowHandle filer);
    // At a filer start: asks the window showing file to close. True when one did.
    bool closeWindowShowingFile(const QString &file);

    [[nodiscard]] WindowSystem &system() { return m_system; }

private:
    WindowSystem &m_system;
};

} // namespace quillon
