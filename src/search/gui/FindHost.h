#pragma once
// What the find dialog needs from the window it serves. The main window
// implements it; tests can give a stand-in.
#include <QString>
#include <QStringList>

class QWidget;

namespace quillon {

class IniFile;

class FindHost {
public:
    enum class Outcome { Hit, NotFound, Failed };

    virtual ~FindHost() = default;
    [[nodiscard]] virtual QWidget *hostWindow() = 0;
    [[nodiscard]] virtual IniFile &settingsFile() = 0;
    [[nodiscard]] virtual bool japanese() const = 0;
    // Shows a message box with the wording of the interface language.
    virtual void message(const QString &japanese, const QString &english) = 0;
    // The word becomes the host's current search word.
    virtual void setSearchWord(const QString &word) = 0;
    // Searches the host's text forward (next) or backward with the options
    // of the settings file, shows a hit, or the not-found message, or the
    // error that ended the search.
    virtual Outcome searchText(bool next) = 0;
    // While the dialog serves the main window, its menu bar is swapped for
    // the placeholder one (on) or put back (off).
    virtual void setPlaceholderMenu(bool on) = 0;
    // The host's key map, used when there is no key-map file.
    [[nodiscard]] virtual QStringList keyMap() const = 0;
};

} // namespace quillon
