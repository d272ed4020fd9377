// The main window's search commands and its search bar.
#include "TFormMain.h"

#include "StatusPanels.h"
#include "TMemoExDark.h"
#include "MainMessages.h"
#include "EventWatcher.h"
#include "ViewText.h"
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
    explicit MainFindHost(TFormMain *main) : m_main(main) {}
    // The dialog goes first, so it never calls a host that is gone.
    ~MainFindHost() override
    {
        delete m_main->FormFind;
        m_main->FormFind = nullptr;
    }
    MainFindHost(const MainFindHost &) = delete;
    MainFindHost &operator=(const MainFindHost &) = delete;
    QWidget *hostWindow() override { return m_main; }
    IniFile &settingsFile() override { return m_main->m_ini; }
    bool japanese() const override { return m_main->BoolJapanese; }
    void message(const QString &japanese, const QString &english) override { m_main->showMessage(japanese, english); }
    void setSearchWord(const QString &word) override { m_main->StrSearchValue = word; }
    Outcome searchText(bool next) override
    {
        switch (m_main->searchMainText(next)) {
        case SearchOutcome::Hit: return Outcome::Hit;
        case SearchOutcome::NotFound: return Outcome::NotFound;
        case SearchOutcome::Failed: break;
        }
        return Outcome::Failed;
    }
    void setPlaceholderMenu(bool on) override
    {
        m_main->m_menus->setMenuBarState(on ? MenuBarState::Placeholder : MenuBarState::Normal);
    }
    // The key-map file is read by the dialog itself; without one the
    // catalogue's filer-style keys are the main window's map.
    QStringList keyMap() const override { return CommandCatalogue::InitKeyMap(0); }

private:
    TFormMain *m_main;
};

void TFormMain::registerSearchCommands()
{
    m_settings.reload(m_ini, MainKey::SearchWord);
    StrSearchValue = m_settings.searchWord;

    constexpr auto textOnly = WhileDump::StandsStill;
    registerCommand(u"1101", [this] { openFindDialog(false); }, textOnly);
    registerCommand(u"1102", [this] { searchNextPrevious(true); }, textOnly);
    registerCommand(u"1103", [this] { searchNextPrevious(false); }, textOnly);
    registerCommand(u"1104", [this] { openFindDialog(true); }, textOnly);
    registerCommand(u"1107", [this] { focusSearchBar(); }, textOnly);
    registerCommand(u"1108", [this] {
        m_settings.searchWordAutoGet = !m_settings.searchWordAutoGet;
        commandAction(u"1108")->setChecked(m_settings.searchWordAutoGet);
    });
    registerCommand(u"1111", [this] { setSearchBarFocusReturn(!m_settings.searchBarSetFocus); });
    registerCommand(u"1435", [this] {
        m_settings.searchBarTop = !m_settings.searchBarTop;
        PanelSearch->setVisible(m_settings.searchBarTop);
        commandAction(u"1435")->setChecked(m_settings.searchBarTop);
        m_settings.save(m_ini, MainKey::SearchBarTop);
    });
    commandAction(u"1108")->setChecked(m_settings.searchWordAutoGet);
    commandAction(u"1435")->setChecked(m_settings.searchBarTop);
    setSearchBarFocusReturn(m_settings.searchBarSetFocus);

    // The search-bar menu: the same commands, shown while the box has the focus.
    auto item = [this](const char *name, std::function<void()> fn) {
        QAction *a = m_menus->actionByName(QString::fromLatin1(name));
        a->setEnabled(true);
        connect(a, &QAction::triggered, &m_receiver, std::move(fn));
        return a;
    };
    item("MenuSearchBar4", onlyWhileTextShown([this] { focusSearchBar(); }));
    item("MenuSearchBarSetFocus4", [this] { setSearchBarFocusReturn(!m_settings.searchBarSetFocus); });
    item("MenuSearchNext4", onlyWhileTextShown([this] { searchBarSearch(true); }));
    item("MenuSearchPrev4", onlyWhileTextShown([this] { searchBarSearch(false); }));
    QAction *matchCase = item("MenuMatchCase4", [this] {
        QAction *a = m_menus->actionByName(u"MenuMatchCase4");
        m_settings.matchCase = a->isChecked();
        m_settings.save(m_ini, MainKey::MatchCase);
    });
    matchCase->setChecked(matchCaseInFile());

    for (QPushButton *b : {ButtonSearchNext, ButtonSearchPrev})
        b->setEnabled(true);
    connect(ButtonSearchNext, &QPushButton::clicked, &m_receiver, onlyWhileTextShown([this] { searchBarSearch(true); }));
    connect(ButtonSearchPrev, &QPushButton::clicked, &m_receiver, onlyWhileTextShown([this] { searchBarSearch(false); }));
    ComboBoxSearch->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxSearch->setMaxVisibleItems(16);

    // The search bar, the text view and the window itself.
    for (QObject *o : std::initializer_list<QObject *>{ComboBoxSearch, ComboBoxSearch->lineEdit(), Memo1, Memo1->viewport(),
                                                       LabelSearch, this})
        EventWatcher::watch(o, &m_receiver, [this](QObject *w, QEvent *e) { return searchEvent(w, e); });

    // The find dialog lives as long as the window, hidden until asked for.
    m_findHost = std::make_unique<MainFindHost>(this);
    FormFind = new TFormFind(m_findHost.get(), this);
    FormFind->hide();
}

bool TFormMain::searchEvent(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == ComboBoxSearch || watched == ComboBoxSearch->lineEdit()) {
        // The box forwards its focus events to its line edit directly, so
        // they are watched on the box itself.
        if (type == QEvent::FocusIn && watched == ComboBoxSearch) {
            m_menus->actionByName(u"MenuMatchCase4")
                ->setChecked(matchCaseInFile());
            m_menus->setMenuBarState(MenuBarState::SearchBar);
            const QString text = ComboBoxSearch->currentText();
            ComboBoxSearch->clear();
            ComboBoxSearch->addItems(SearchHistory::read());
            ComboBoxSearch->setEditText(text);
        } else if (type == QEvent::FocusOut && watched == ComboBoxSearch) {
            if (static_cast<QFocusEvent *>(event)->reason() == Qt::PopupFocusReason)
                return false; // its own drop-down list
            if (m_menus->menuBarState() == MenuBarState::SearchBar)
                m_menus->setMenuBarState(MenuBarState::Normal);
            QStringList entries;
            for (int i = 0; i < ComboBoxSearch->count() && i < SearchHistory::MaxEntries; ++i)
                entries << ComboBoxSearch->itemText(i);
            SearchHistory::write(entries);
        } else if (type == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
                onlyWhileTextShown([this, modifiers] { searchBarEnter(modifiers); })();
                return true;
            }
            if (key->key() == Qt::Key_Escape)
                return true; // never typed into the box
        }
        return false;
    }
    if ((watched == Memo1 && type == QEvent::FocusIn)
        || (watched == Memo1->viewport() && type == QEvent::MouseButtonPress)) {
        m_menus->setMenuBarState(MenuBarState::Normal);
        return false;
    }
    if (watched == LabelSearch && type == QEvent::MouseButtonPress) {
        onlyWhileTextShown([this] { ComboBoxSearch->setFocus(Qt::MouseFocusReason); })();
        return false;
    }
    if (watched == this && type == QEvent::WindowActivate) {
        const QWidget *focus = focusWidget();
        const bool inBox = focus == ComboBoxSearch || focus == ComboBoxSearch->lineEdit();
        m_menus->setMenuBarState(inBox ? MenuBarState::SearchBar : MenuBarState::Normal);
    }
    return false;
}

bool TFormMain::matchCaseInFile()
{
    // The find dialog writes it too: always the file's value.
    m_settings.reload(m_ini, MainKey::MatchCase);
    return m_settings.matchCase;
}

void TFormMain::openFindDialog(bool oneLine)
{
    const bool hasLines = StrListLoadFileTmp && !StrListLoadFileTmp->isEmpty();
    QString word;
    if (oneLine) {
        if (!hasLines)
            return;
        word = StrListLoadFileTmp->line(StrListLoadFileTmp->lineOf(Memo1->caretPosition())).toString();
    } else if (!hasLines) {
        word.clear();
    } else if (Memo1->hasSelection()) {
        word = Memo1->selectedText();
    } else if (m_settings.searchWordAutoGet) {
        const int caret = Memo1->caretPosition();
        const int line = StrListLoadFileTmp->lineOf(caret);
        const int lineStart = StrListLoadFileTmp->lineStart(line);
        const WordSpan span = wordAtCaret(StrListLoadFileTmp->line(line), caret - lineStart);
        word = StrListLoadFileTmp->line(line).mid(span.begin, span.length).toString();
        Memo1->setSelection(lineStart + span.begin, span.length);
    }
    StrSearchValue = word;
    m_settings.searchWord = word;
    m_settings.save(m_ini, MainKey::SearchWord);
    m_settings.save(m_ini, MainKey::FindParent);
    if (FormFind->isVisible())
        FormFind->closeFind();
    applyWindowLanguage(FormFind, QStringLiteral("Find.txt"));
    FormFind->showFind();
}

void TFormMain::searchNextPrevious(bool next)
{
    if (StrSearchValue.isEmpty()) {
        showMessage(MainMessages::noSearchWord());
        return;
    }
    searchMainText(next);
    if (FormFind->isVisible()) {
        FormFind->raise();
        FormFind->activateWindow();
    }
}

SearchOutcome TFormMain::searchMainText(bool next)
{
    const QString word = StrSearchValue;
    setPanel(0, m_settings.showFileName ? QFileInfo(StrLoadFileName).fileName() : word);
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
        showMessage(result.error.japanese(), result.error.english());
        return SearchOutcome::Failed;
    }
    if (!result) {
        showMessage(MainMessages::searchNotFound(word));
        return SearchOutcome::NotFound;
    }
    showSearchHit(info.Start, info.Length);
    return SearchOutcome::Hit;
}

void TFormMain::showSearchHit(int start, int length)
{
    Memo1->setSelection(start, length);
    Memo1->ensureCaretVisible();
    Memo1->setFocus();
    Memo1->viewport()->update(); // the marks follow the selection
    MemoStatus();
}

void TFormMain::searchBarSearch(bool next)
{
    m_menus->actionByName(u"MenuMatchCase4")->setChecked(matchCaseInFile());
    m_menus->setMenuBarState(MenuBarState::SearchBar);
    StrSearchValue = ComboBoxSearch->currentText();
    if (StrSearchValue.isEmpty()) {
        showMessage(MainMessages::noSearchWord());
    } else {
        searchMainText(next);
    }
    if (m_settings.searchBarSetFocus)
        ComboBoxSearch->setFocus();
}

void TFormMain::searchBarEnter(Qt::KeyboardModifiers modifiers)
{
    const QString word = ComboBoxSearch->currentText();
    if (word.isEmpty()) {
        showMessage(MainMessages::noSearchWord());
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

void TFormMain::focusSearchBar()
{
    if (!PanelSearch->isVisible())
        return; // a hidden bar is not shown behind the user's back
    ComboBoxSearch->setFocus(Qt::ShortcutFocusReason);
    ComboBoxSearch->lineEdit()->deselect();
}

void TFormMain::setSearchBarFocusReturn(bool on)
{
    m_settings.searchBarSetFocus = on;
    commandAction(u"1111")->setChecked(on);
    m_menus->actionByName(u"MenuSearchBarSetFocus4")->setChecked(on);
}

} // namespace quillon
