// The interface language of the main window: tags on every translatable
// control, the language file at show time and the run-time switch.
#include "TFormMain.h"

#include "StatusPanels.h"
#include "CommandCatalogue.h"
#include "MainMenuBuilder.h"
#include "LanguageFile.h"
#include "PanelWording.h"
#include "LanguageSetter.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace quillon {

namespace {

// Items outside the catalogue that have no tag of their own in the menu
// builder: the search-bar menu and the dummy menu. Their tags follow the
// catalogue's last code so they never collide with a command.
struct ExtraTag {
    const char *name;
    int tag;
};
constexpr ExtraTag extraMenuTags[] = {
    {"MenuSearch4", 1961},           {"MenuSearchBar4", 1962}, {"MenuSearchBarSetFocus4", 1963},
    {"MenuSearchNext4", 1964},       {"MenuSearchPrev4", 1965}, {"MenuMatchCase4", 1966},
    {"MenuDummy", 1971},
};

} // namespace

void TFormMain::registerLanguageCommands()
{
    tagControls();
    StrLanguageFileName = LanguageFile::path(QStringLiteral("Main.txt"));
    StrLauncherMenu = LanguageFile::builtInLauncherBases(BoolJapanese);
    if (QAction *a = commandAction(u"1951"))
        a->setChecked(BoolJapanese);
    if (QAction *a = commandAction(u"1952"))
        a->setChecked(!BoolJapanese);
    registerCommand(u"1951", [this] { MenuJapaneseClick(); });
    registerCommand(u"1952", [this] { MenuEnglishClick(); });
}

void TFormMain::tagControls()
{
    // Menu items: the top-level menus, the commands, the theme note and the popup
    // carry their tag in data(); the language file names them by it.
    QStringList tags;
    for (const TopMenuInfo &top : CommandCatalogue::topMenus())
        tags.append(QStringView(top.tag).toString());
    for (const CommandInfo &c : CommandCatalogue::commands())
        tags.append(c.codeText());
    tags << QStringLiteral("1851") << QStringLiteral("1981") << QStringLiteral("1982") << QStringLiteral("1983")
         << QStringLiteral("1984");
    for (const QString &tag : std::as_const(tags)) {
        if (QAction *a = m_menus->actionByTag(tag))
            a->setProperty("tag", tag.toInt());
    }
    for (const ExtraTag &extra : extraMenuTags) {
        if (QAction *a = m_menus->actionByName(QString::fromLatin1(extra.name)))
            a->setProperty("tag", extra.tag);
    }
    ButtonSearchNext->setProperty("tag", 2201);
    ButtonSearchPrev->setProperty("tag", 2202);
    LabelSearch->setProperty("tag", 2001);

    // The language's window font reaches the window's own controls; the menu
    // bars and status bars keep the system font, as the platform's own do.
    for (QWidget *w : {m_menus->menuBarContainer(), static_cast<QWidget *>(StatusBarTop),
                       static_cast<QWidget *>(StatusBarBottom)})
        w->setFont(QApplication::font(w));
}

bool TFormMain::SetJapanese(QWidget *FormThis, const QString &FileName)
{
    return LanguageSetter::SetJapanese(FormThis, FileName, &m_ini,
                                       [this](const QString &ja, const QString &en) { showMessage(ja, en); })
        == LanguageSetter::Result::Applied;
}

bool TFormMain::SetEnglish(QWidget *FormThis, const QString &FileName)
{
    return LanguageSetter::SetEnglish(FormThis, FileName, &m_ini,
                                      [this](const QString &ja, const QString &en) { showMessage(ja, en); })
        == LanguageSetter::Result::Applied;
}

bool TFormMain::CheckLanguageFile(const QString &FileName)
{
    return LanguageSetter::CheckLanguageFile(FileName, [this](const QString &ja, const QString &en) { showMessage(ja, en); });
}

bool TFormMain::applyMainLanguageFile()
{
    return BoolJapanese ? SetJapanese(this, StrLanguageFileName) : SetEnglish(this, StrLanguageFileName);
}

void TFormMain::applyWindowLanguage(QWidget *window, const QString &fileName)
{
    const QString path = LanguageFile::path(fileName);
    if (BoolJapanese)
        SetJapanese(window, path);
    else
        SetEnglish(window, path);
}

void TFormMain::applyLanguageAtShow()
{
    const bool applied = applyMainLanguageFile();
    StrLauncherMenu = LanguageFile::builtInLauncherBases(BoolJapanese);
    if (applied) {
        if (const auto lines = LanguageFile::readLines(StrLanguageFileName))
            LanguageFile::readLauncherBases(*lines, BoolJapanese, StrLauncherMenu);
    }
}

void TFormMain::MenuJapaneseClick()
{
    switchLanguage(true);
}

void TFormMain::MenuEnglishClick()
{
    switchLanguage(false);
}

void TFormMain::switchLanguage(bool japanese)
{
    m_settings.japanese = japanese;
    m_settings.save(m_ini, MainKey::Japanese);
    if (QAction *a = commandAction(u"1951"))
        a->setChecked(japanese);
    if (QAction *a = commandAction(u"1952"))
        a->setChecked(!japanese);
    BoolJapanese = japanese;

    applyLanguageAtShow();

    // Texts the program sets itself follow the new language.
    MemoStatus();
    refreshLineCountPanel();
    if (!BoolLineNumberSelect)
        refreshReadOnlyPanel();
    StrLoadChar = PanelWording::charCode(StrLoadChar, japanese);
    StrLoadReturn = PanelWording::lineEnd(StrLoadReturn, japanese);
    setPanel(4, PanelWording::charCode(StatusBarTop->panelText(4), japanese));
    setPanel(5, PanelWording::lineEnd(StatusBarTop->panelText(5), japanese));
}

} // namespace quillon
