#pragma once
// The search area of the main window: the find dialog, searching the text
// forward and back, and the search bar with its own menu.
#include "SearchOutcome.h"
#include "TSearchOption.h"

#include <QObject>
#include <QString>

#include <memory>

class QComboBox;
class QEvent;

namespace quillon {

class FindHost;
class IniFile;
class TFormFind;
class TFormMain;
class TMemoExDark;
struct MainSettings;

class SearchController : public QObject {
public:
    explicit SearchController(TFormMain &window);
    ~SearchController() override;
    SearchController(const SearchController &) = delete;
    SearchController &operator=(const SearchController &) = delete;

    void registerCommands();
    [[nodiscard]] TFormFind *findDialog() const { return FormFind; }

    // The current search word (1104 takes it from the caret's line).
    QString StrSearchValue;
    TSearchOptions SearchOptions;

private:
    friend class MainFindHost;
    void openFindDialog(bool oneLine);
    // Steps of 1102/1103 after the empty-word check: panel 0, options,
    // search from the selection, the hit or the not-found message.
    SearchOutcome searchMainText(bool next);
    void showSearchHit(int start, int length);
    void searchNextPrevious(bool next);
    void searchBarSearch(bool next);
    void searchBarEnter(Qt::KeyboardModifiers modifiers);
    void focusSearchBar();
    void setSearchBarFocusReturn(bool on);
    bool searchEvent(QObject *watched, QEvent *event);
    bool matchCaseInFile();

    TFormMain &m_w;
    MainSettings &m_settings;
    IniFile &m_ini;
    TMemoExDark *const Memo1;
    QComboBox *const ComboBoxSearch;
    TFormFind *FormFind = nullptr;
    std::unique_ptr<FindHost> m_findHost;
};

} // namespace quillon
