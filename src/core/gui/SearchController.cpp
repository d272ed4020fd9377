#include "SearchController.h"

#include "FindHost.h"
#include "LanguageController.h"
#include "MainSettings.h"
#include "TFormMain.h"

#include "StatusPanels.h"
#include "TMemoExDark.h"
#include "MainMessages.h"
#include "EventWatcher.h"
#include "ViewText.h"
#include "WordFinder.h"
#include "CommandCatalogue.h"
#include "MainMenuBuilder.h"
#include "SearchEngine.h"
#include "SearchHistory.h"
#include "TFormFind.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillon {

// What the find dialog asks of the main window.
class MainFindHost : public FindHost {
public:
    MainFindHost(SearchController &search, TFormMain &main) : m_search(search), m_main(main) {}
    // The dialog goes first, so it never calls a host that is gone.
    ~MainFindHost() override
    {
        delete m_search.FormFind;
        m_search.FormFind = nullptr;
    }
    MainFindHost(const MainFindHost &) = delete;
    MainFindHost &operator=(const MainFindHost &) = delete;
    QWidget *hostWindow() override { return &m_main; }
    IniFile &settingsFile() override { return m_main.ini(); }
    bool japanese() const override { return m_main.BoolJapanese; }
    void message(const QString &japanese, const QString &english) override { m_main.showMessage(japanese, english); }
    void setSearchWord(const QString &word) override { m_search.StrSearchValue = word; }
    Outcome searchText(bool next) override
    {
        switch (m_search.searchMainText(next)) {
        case SearchOutcome::Hit: return Outcome::Hit;
        case SearchOutcome::NotFound: return Outcome::NotFound;
        case SearchOutcome::Failed: break;
        }
        return Outcome::Failed;
    }
    void setPlaceholderMenu(bool on) override
    {
        m_main.menus().setMenuBarState(on ? MenuBarState::Placeholder : MenuBarState::Normal);
    }
    // The key-map file is read by the dialog itself; without one the
    // catalogue's filer-style keys are the main window's map.
    QStringList keyMap() const override { return CommandCatalogue::InitKeyMap(0); }

private:
    SearchController &m_search;
    TFormMain &m_main;
};

SearchController::SearchController(TFormMain &window)
    : m_w(window)
    , m_settings(window.settings())
    , m_ini(window.ini())
    , Memo1(window.textView())
    , ComboBoxSearch(window.searchCombo())
{
}

SearchController::~SearchController() = default;

void SearchController::registerCommands()
{
    m_settings.reload(m_ini, MainKey::SearchWord);
    StrSearchValue = m_settings.searchWord;

    constexpr auto textOnly = TFormMain::WhileDump::StandsStill;
    m_w.registerCommand(u"1101", [this] { openFindDialog(false); }, textOnly);
    m_w.registerCommand(u"1102", [this] { searchNextPrevious(true); }, textOnly);
    m_w.registerCommand(u"1103", [this] { searchNextPrevious(false); }, textOnly);
    m_w.registerCommand(u"1104", [this] { openFindDialog(true); }, textOnly);
    m_w.registerCommand(u"1107", [this] { focusSearchBar(); }, textOnly);
    m_w.registerCommand(u"1108", [this] {
        m_settings.searchWordAutoGet = !m_settings.searchWordAutoGet;
        m_w.commandAction(u"1108")->setChecked(m_settings.searchWordAutoGet);
    });
    m_w.registerCommand(u"1111", [this] { setSearchBarFocusReturn(!m_settings.searchBarSetFocus); });
    m_w.registerCommand(u"1435", [this] {
        m_settings.searchBarTop = !m_settings.searchBarTop;
        m_w.searchPanel()->setVisible(m_settings.searchBarTop);
        m_w.commandAction(u"1435")->setChecked(m_settings.searchBarTop);
        m_settings.save(m_ini, MainKey::SearchBarTop);
    });
    m_w.commandAction(u"1108")->setChecked(m_settings.searchWordAutoGet);
    m_w.commandAction(u"1435")->setChecked(m_settings.searchBarTop);
    setSearchBarFocusReturn(m_settings.searchBarSetFocus);

    // The search-bar menu: the same commands, shown while the box has the focus.
    auto item = [this](const char *name, std::function<void()> fn) {
        QAction *a = m_w.menus().actionByName(QString::fromLatin1(name));
        a->setEnabled(true);
        connect(a, &QAction::triggered, m_w.signalContext(), std::move(fn));
        return a;
    };
    item("MenuSearchBar4", m_w.onlyWhileTextShown([this] { focusSearchBar(); }));
    item("MenuSearchBarSetFocus4", [this] { setSearchBarFocusReturn(!m_settings.searchBarSetFocus); });
    item("MenuSearchNext4", m_w.onlyWhileTextShown([this] { searchBarSearch(true); }));
    item("MenuSearchPrev4", m_w.onlyWhileTextShown([this] { searchBarSearch(false); }));
    QAction *matchCase = item("MenuMatchCase4", [this] {
        QAction *a = m_w.menus().actionByName(u"MenuMatchCase4");
        m_settings.matchCase = a->isChecked();
        m_settings.save(m_ini, MainKey::MatchCase);
    });
    matchCase->setChecked(matchCaseInFile());

    for (QPushButton *b : {m_w.searchNextButton(), m_w.searchPrevButton()})
        b->setEnabled(true);
    connect(m_w.searchNextButton(), &QPushButton::clicked, m_w.signalContext(), m_w.onlyWhileTextShown([this] { searchBarSearch(true); }));
    connect(m_w.searchPrevButton(), &QPushButton::clicked, m_w.signalContext(), m_w.onlyWhileTextShown([this] { searchBarSearch(false); }));
    ComboBoxSearch->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxSearch->setMaxVisibleItems(16);

    // The search bar, the text view and the window itself.
    for (QObject *o : std::initializer_list<QObject *>{ComboBoxSearch, ComboBoxSearch->lineEdit(), Memo1, Memo1->viewport(),
                                                       m_w.searchLabel(), &m_w})
        EventWatcher::watch(o, m_w.signalContext(), [this](QObject *w, QEvent *e) { return searchEvent(w, e); });

    // The find dialog lives as long as the window, hidden until asked for.
    m_findHost = std::make_unique<MainFindHost>(*this, m_w);
    FormFind = new TFormFind(m_findHost.get(), &m_w);
    FormFind->hide();
}

bool SearchController::searchEvent(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == ComboBoxSearch || watched == ComboBoxSearch->lineEdit()) {
        // The box forwards its focus events to its line edit directly, so
        // they are watched on the box itself.
        if (type == QEvent::FocusIn && watched == ComboBoxSearch) {
            m_w.menus().actionByName(u"MenuMatchCase4")
                ->setChecked(matchCaseInFile());
            m_w.menus().setMenuBarState(MenuBarState::SearchBar);
            const QString text = ComboBoxSearch->currentText();
            ComboBoxSearch->clear();
            ComboBoxSearch->addItems(SearchHistory::read());
            ComboBoxSearch->setEditText(text);
        } else if (type == QEvent::FocusOut && watched == ComboBoxSearch) {
            if (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason)
                return false; // its own drop-down list
            if (m_w.menus().menuBarState() == MenuBarState::SearchBar)
                m_w.menus().setMenuBarState(MenuBarState::Normal);
            QStringList entries;
            for (int i = 0; i < ComboBoxSearch->count() && i < SearchHistory::MaxEntries; ++i)
                entries << ComboBoxSearch->itemText(i);
            SearchHistory::write(entries);
        } else if (type == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
                m_w.onlyWhileTextShown([this, modifiers] { searchBarEnter(modifiers); })();
                return true;
            }
            if (key->key() == Qt::Key_Escape)
                return true; // never typed into the box
        }
        return false;
    }
    if ((watched == Memo1 && type == QEvent::FocusIn)
        || (watched == Memo1->viewport() && type == QEvent::MouseButtonPress)) {
        m_w.menus().setMenuBarState(MenuBarState::Normal);
        return false;
    }
    if (watched == m_w.searchLabel() && type == QEvent::MouseButtonPress) {
        m_w.onlyWhileTextShown([this] { ComboBoxSearch->setFocus(Qt::MouseFocusReason); })();
        return false;
    }
    if (watched == &m_w && type == QEvent::WindowActivate) {
        const QWidget *focus = m_w.focusWidget();
        const bool inBox = focus == ComboBoxSearch || focus == ComboBoxSearch->lineEdit();
        m_w.menus().setMenuBarState(inBox ? MenuBarState::SearchBar : MenuBarState::Normal);
    }
    return false;
}

bool SearchController::matchCaseInFile()
{
    // The find dialog writes it too: always the file's value.
    m_settings.reload(m_ini, MainKey::MatchCase);
    return m_settings.matchCase;
}

void SearchController::openFindDialog(bool oneLine)
{
    const bool hasLines = m_w.StrListLoadFileTmp && !m_w.StrListLoadFileTmp->isEmpty();
    QString word;
    if (oneLine) {
        if (!hasLines)
            return;
        word = m_w.StrListLoadFileTmp->line(m_w.StrListLoadFileTmp->lineOf(Memo1->caretPosition())).toString();
    } else if (!hasLines) {
        word.clear();
    } else if (Memo1->hasSelection()) {
        word = Memo1->selectedText();
    } else if (m_settings.searchWordAutoGet) {
        const int caret = Memo1->caretPosition();
        const int line = m_w.StrListLoadFileTmp->lineOf(caret);
        const int lineStart = m_w.StrListLoadFileTmp->lineStart(line);
        const auto span = WordFinder::betweenDelimiters(m_w.StrListLoadFileTmp->line(line), caret - lineStart,
                                                        WordFinder::Before::WholeLine);
        word = m_w.StrListLoadFileTmp->line(line).mid(span.start, span.length).toString();
        Memo1->setSelection(lineStart + span.start, span.length);
    }
    StrSearchValue = word;
    m_settings.searchWord = word;
    m_settings.save(m_ini, MainKey::SearchWord);
    m_settings.save(m_ini, MainKey::FindParent);
    if (FormFind->isVisible())
        FormFind->closeFind();
    m_w.language().applyWindowLanguage(FormFind, QStringLiteral("Find.txt"));
    FormFind->showFind();
}

void SearchController::searchNextPrevious(bool next)
{
    if (StrSearchValue.isEmpty()) {
        m_w.showMessage(MainMessages::noSearchWord());
        return;
    }
    searchMainText(next);
    if (FormFind->isVisible()) {
        FormFind->raise();
        FormFind->activateWindow();
    }
}

SearchOutcome SearchController::searchMainText(bool next)
{
    const QString word = StrSearchValue;
    m_w.setPanel(0, m_settings.showFileName ? QFileInfo(m_w.StrLoadFileName).fileName() : word);
    SearchOptions = SetOptions(m_ini, next ? 1 : 0);
    const QString text = viewWholeText(Memo1);
    TSearchInfo info;
    SearchResult result;
    if (next) {
        info.Start = Memo1->selectionStart() + Memo1->selectionLength() + 1;
        result = SearchForward(text, info, word, int(text.size()), SearchOptions);
    } else {
        info.Start = Memo1->selectionStart();
        result = SearchBackward(text, info, word, SearchOptions);
    }
    if (result.failed()) {
        // The error ends the command: the selection stays where it was.
        m_w.showMessage(result.error.japanese(), result.error.english());
        return SearchOutcome::Failed;
    }
    if (!result) {
        m_w.showMessage(MainMessages::searchNotFound(word));
        return SearchOutcome::NotFound;
    }
    showSearchHit(info.Start, info.Length);
    return SearchOutcome::Hit;
}

void SearchController::showSearchHit(int start, int length)
{
    Memo1->setSelection(start, length);
    Memo1->ensureCaretVisible();
    Memo1->setFocus();
    Memo1->viewport()->update(); // the marks follow the selection
    m_w.MemoStatus();
}

void SearchController::searchBarSearch(bool next)
{
    m_w.menus().actionByName(u"MenuMatchCase4")->setChecked(matchCaseInFile());
    m_w.menus().setMenuBarState(MenuBarState::SearchBar);
    StrSearchValue = ComboBoxSearch->currentText();
    if (StrSearchValue.isEmpty()) {
        m_w.showMessage(MainMessages::noSearchWord());
    } else {
        searchMainText(next);
    }
    if (m_settings.searchBarSetFocus)
        ComboBoxSearch->setFocus();
}

void SearchController::searchBarEnter(Qt::KeyboardModifiers modifiers)
{
    const QString word = ComboBoxSearch->currentText();
    if (word.isEmpty()) {
        m_w.showMessage(MainMessages::noSearchWord());
        return;
    }
    StrSearchValue = word;
    QStringList entries;
    for (int i = 0; i < ComboBoxSearch->count(); ++i)
        entries << ComboBoxSearch->itemText(i);
    SearchHistory::update(entries, word);
    ComboBoxSearch->clear();
    ComboBoxSearch->addItems(entries);
    ComboBoxSearch->setEditText(word);
    m_settings.searchWord = word;
    m_settings.save(m_ini, MainKey::SearchWord);
    bool next = true;
    if (modifiers == Qt::NoModifier || modifiers == Qt::ControlModifier)
        next = true;
    else if (modifiers == Qt::ShiftModifier)
        next = false;
    else
        return; // any other combination only stores the word
    Memo1->setFocus();
    searchBarSearch(next);
}

void SearchController::focusSearchBar()
{
    if (!m_w.searchPanel()->isVisible())
        return; // a hidden bar is not shown behind the user's back
    ComboBoxSearch->setFocus(Qt::ShortcutFocusReason);
    ComboBoxSearch->lineEdit()->deselect();
}

void SearchController::setSearchBarFocusReturn(bool on)
{
    m_settings.searchBarSetFocus = on;
    m_w.commandAction(u"1111")->setChecked(on);
    m_w.menus().actionByName(u"MenuSearchBarSetFocus4")->setChecked(on);
}

} // namespace quillon
