#include "LanguageController.h"

#include "QtTranslations.h"

#include "TFormMain.h"
#include "ViewController.h"
#include "LauncherController.h"

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

LanguageController::LanguageController(TFormMain &window)
    : m_w(window)
{
}

void LanguageController::registerCommands()
{
    tagControls();
    StrLanguageFileName = LanguageFile::path(QStringLiteral("Main.txt"));
    StrLauncherMenu = LanguageFile::builtInLauncherBases(m_w.BoolJapanese);
    if (QAction *a = m_w.commandAction(u"1951"))
        a->setChecked(m_w.BoolJapanese);
    if (QAction *a = m_w.commandAction(u"1952"))
        a->setChecked(!m_w.BoolJapanese);
    m_w.registerCommand(u"1951", [this] { MenuJapaneseClick(); });
    m_w.registerCommand(u"1952", [this] { MenuEnglishClick(); });
}

void LanguageController::tagControls()
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
        if (QAction *a = m_w.menus().actionByTag(tag))
            a->setProperty("tag", tag.toInt());
    }
    for (const ExtraTag &extra : extraMenuTags) {
        if (QAction *a = m_w.menus().actionByName(QString::fromLatin1(extra.name)))
            a->setProperty("tag", extra.tag);
    }
    m_w.searchNextButton()->setProperty("tag", 2201);
    m_w.searchPrevButton()->setProperty("tag", 2202);
    m_w.searchLabel()->setProperty("tag", 2001);

    // The language's window font reaches the window's own controls; the menu
    // bars and status bars keep the system font, as the platform's own do.
    for (QWidget *w : {m_w.menus().menuBarContainer(), static_cast<QWidget *>(m_w.upperStatus()),
                       static_cast<QWidget *>(m_w.lowerStatus())})
        w->setFont(QApplication::font(w));
}

bool LanguageController::SetJapanese(QWidget *FormThis, const QString &FileName)
{
    return LanguageSetter::SetJapanese(FormThis, FileName, &m_w.ini(),
                                       [this](const QString &ja, const QString &en) { m_w.showMessage(ja, en); })
        == LanguageSetter::Result::Applied;
}

bool LanguageController::SetEnglish(QWidget *FormThis, const QString &FileName)
{
    return LanguageSetter::SetEnglish(FormThis, FileName, &m_w.ini(),
                                      [this](const QString &ja, const QString &en) { m_w.showMessage(ja, en); })
        == LanguageSetter::Result::Applied;
}

bool LanguageController::CheckLanguageFile(const QString &FileName)
{
    return LanguageSetter::CheckLanguageFile(FileName, [this](const QString &ja, const QString &en) { m_w.showMessage(ja, en); });
}

bool LanguageController::applyMainLanguageFile()
{
    return m_w.BoolJapanese ? SetJapanese(&m_w, StrLanguageFileName) : SetEnglish(&m_w, StrLanguageFileName);
}

void LanguageController::applyWindowLanguage(QWidget *window, const QString &fileName)
{
    const QString path = LanguageFile::path(fileName);
    if (m_w.BoolJapanese)
        SetJapanese(window, path);
    else
        SetEnglish(window, path);
}

void LanguageController::applyLanguageAtShow()
{
    const bool applied = applyMainLanguageFile();
    StrLauncherMenu = LanguageFile::builtInLauncherBases(m_w.BoolJapanese);
    if (applied) {
        if (const auto lines = LanguageFile::readLines(StrLanguageFileName))
            LanguageFile::readLauncherBases(*lines, m_w.BoolJapanese, StrLauncherMenu);
    }
    m_w.launcher().SetMenuLauncher();
}

void LanguageController::MenuJapaneseClick()
{
    switchLanguage(true);
}

void LanguageController::MenuEnglishClick()
{
    switchLanguage(false);
}

void LanguageController::switchLanguage(bool japanese)
{
    m_w.settings().japanese = japanese;
    m_w.settings().save(m_w.ini(), MainKey::Japanese);
    if (QAction *a = m_w.commandAction(u"1951"))
        a->setChecked(japanese);
    if (QAction *a = m_w.commandAction(u"1952"))
        a->setChecked(!japanese);
    m_w.BoolJapanese = japanese;
    QtTranslations::apply(japanese);

    applyLanguageAtShow();

    // Texts the program sets itself follow the new language.
    m_w.MemoStatus();
    m_w.refreshLineCountPanel();
    if (!m_w.view().BoolLineNumberSelect)
        m_w.refreshReadOnlyPanel();
    m_w.StrLoadChar = PanelWording::charCode(m_w.StrLoadChar, japanese);
    m_w.StrLoadReturn = PanelWording::lineEnd(m_w.StrLoadReturn, japanese);
    m_w.setPanel(4, PanelWording::charCode(m_w.upperStatus()->panelText(4), japanese));
    m_w.setPanel(5, PanelWording::lineEnd(m_w.upperStatus()->panelText(5), japanese));
}

} // namespace quillon
