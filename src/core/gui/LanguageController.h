#pragma once
// The interface language of the main window: tags on every translatable
// control, the language file at show time, the run-time switch, and the
// language files of the windows the main window opens.
#include <QObject>
#include <QString>

#include <array>

class QWidget;

namespace quillon {

class TFormMain;

class LanguageController : public QObject {
public:
    explicit LanguageController(TFormMain &window);

    void registerCommands();
    // The show sequence's language step: the main language file and the
    // launcher captions it holds.
    void applyLanguageAtShow();
    // Every window applies its language file each time it is shown.
    void applyWindowLanguage(QWidget *window, const QString &fileName);
    // Apply a language file (a full path) to any window, column 5 or 6; messages
    // speak the main window's language. Return false when the file was missing or invalid.
    bool SetJapanese(QWidget *FormThis, const QString &FileName);
    bool SetEnglish(QWidget *FormThis, const QString &FileName);
    bool CheckLanguageFile(const QString &FileName);
    // The run-time switch (commands 1951 and 1952).
    void MenuJapaneseClick();
    void MenuEnglishClick();

    QString StrLanguageFileName; // Language/Quillon/Main.txt
    // Caption bases of the launcher items 1011-1015 in the current language.
    std::array<QString, 5> StrLauncherMenu;

private:
    void tagControls();
    bool applyMainLanguageFile();
    void switchLanguage(bool japanese);

    TFormMain &m_w;
};

} // namespace quillon
