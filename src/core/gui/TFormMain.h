#pragma once
// The main window: owns the loaded file, its decoded text, the read setting,
// the status texts and the message buffer; every way of opening a file ends
// in LoadFile. Logic lives in the core library; this class wires it to widgets.
#include "CommandCode.h"
#include "IniFile.h"
#include "MainSettings.h"
#include "SearchOutcome.h"
#include "TextBuffer.h"
#include "MessageService.h"
#include "TSearchOption.h"
#include "FindHost.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QHash>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace quillon {

struct LoadedText;
struct MessageText;
class BinaryController;
class HexDumpView;
class KeyMapController;
class MainMenuBuilder;
class StatusPanels;
class TMemoExDark;
class TFormFind;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    // args: the command line without the program name and without our own
    // "--" options.
    explicit TFormMain(const QStringList &args, QWidget *parent = nullptr);
    ~TFormMain() override;
    TFormMain(const TFormMain &) = delete;
    TFormMain &operator=(const TFormMain &) = delete;

    // Routines other windows and commands call.
    void LoadFile();
    void LoadFileSecondTime();
    void SetLoadIndexFromMenu();
    void MemoStatus();
    // Ends line-number selection mode; panel 3 shows the read-only text again.
    void leaveLineNumberSelection();
    void handleDrop(const QStringList &names);
    void openFileDialog();
    // Whether a command acts while the hex dump is shown. Commands of the text
    // view stand still then; a check item they refuse keeps its check mark.
    enum class WhileDump : bool { Acts, StandsStill };
    // Runs the command of a catalogue code, as its menu item and key do.
    void runCommand(CommandCode code);
    // Connects a code to its behaviour and enables its menu item.
    void registerCommand(CommandCode code, std::function<void()> handler, WhileDump rule = WhileDump::Acts);
    [[nodiscard]] bool isRegistered(CommandCode code) const { return bool(m_commands[size_t(code.index())].run); }

    // Shows StrMsg-built text in the current language.
    MessageAnswer showMessage(const QString &japanese, const QString &english,
                              MessageButtons buttons = MessageButtons::Ok);
    MessageAnswer showMessage(const MessageText &text, MessageButtons buttons = MessageButtons::Ok);

    [[nodiscard]] TMemoExDark *textView() const { return Memo1; }
    [[nodiscard]] StatusPanels *upperStatus() const { return StatusBarTop; }
    [[nodiscard]] StatusPanels *lowerStatus() const { return StatusBarBottom; }
    [[nodiscard]] QAction *commandAction(CommandCode code) const;
    [[nodiscard]] QComboBox *searchCombo() const { return ComboBoxSearch; }
    [[nodiscard]] const MainSettings &settings() const { return m_settings; }
    // For an area that keeps its values for the exit's write.
    [[nodiscard]] MainSettings &settingsToChange() { return m_settings; }
    [[nodiscard]] bool isFilerStart() const { return m_args.size() == 2; }

    // Main-window state other windows read.
    QString StrLoadFileName;
    qint64 IntLoadFileSize = 0;
    int IntLoadCharIndex = 0;
    int IntReadEncode1 = 1;
    int IntReadReturn1 = 0;
    int IntLoadCrLfIndex = 0;
    QString StrLoadChar;
    QString StrLoadReturn;
    bool BoolUnKnownCharCode = false;
    bool BoolLfInLine = false;
    bool BoolFileReadOnly = false;
    // The decoded lines: the same buffer the text view shows, never a copy.
    std::shared_ptr<const TextBuffer> StrListLoadFileTmp;
    QStringList StrListLog;
    QStringList StrListDropName;
    QStringList StrListScrollVale;
    int IntScroll1 = 3, IntScroll2 = 17, IntScroll3 = 17;
    int IntSfiftRet = 15, IntShiftEof = 12, IntShiftTab = 8, IntShiftDbcs = 13;
    int TabStops = 16;
    QString HarboHandle;
    int IntSkinStyle = 0;
    TColor FTextColorCarbon = 0x191919, FTextColorCharcoal = 0x232323, FTextColorDark = 0;
    bool BoolJapanese = true;
    bool BoolDeveloper = false;
    QString StrMsg;
    QString StrCsvSeparater;
    // The hex dump area: the view switch, its modes and pages.
    [[nodiscard]] BinaryController &binary() const { return *m_binary; }

    // State of the view: marks, line numbers, wrapping, status (TFormMainView.cpp).
    // Line-number selection mode: copy and append-copy take these lines.
    bool BoolLineNumberSelect = false;
    QStringList StrListSelectNumber;
    bool BoolLineNumberDoubleClick = false; // the 100 ms after a double click in the numbers
    int IntTopLineMemo = 0;                 // top line last copied to the line-number view
    int IntLineNumberAnchor = 0;            // line of the last click without Shift
    int IntLineNumberEnd = 0;               // line of the last click
    int IntSelectStart = 0, IntSelectEnd = 0; // the highlight made in the text view
    int IntLastMousePos = 0;                // caret at the last press or release in the text view
    [[nodiscard]] TMemoExDark *lineNumberView() const { return MemoLineNumber; }
    // Shows or hides the line numbers as the settings say.
    void showLineNumberView();
    // Handles a click in the line-number view as its mouse release does.
    void lineNumberClicked(Qt::KeyboardModifiers modifiers);
    // True while wrapping holds the window at its size (too many lines).
    [[nodiscard]] bool resizeLocked() const { return m_resizeLocked; }

    // State of scrolling and selection commands (TFormMainNavigation.cpp).

    // Search state (TFormMainSearch.cpp).
    // The current search word (1104 takes it from the caret's line).
    QString StrSearchValue;
    TSearchOptions SearchOptions;
    [[nodiscard]] TFormFind *findDialog() const { return FormFind; }

    // Key map state (KeyMapController).
    // The default catalogue (filer-style unless the keyboard dialog rebuilt it).
    QStringList StrListKeyMapOriginal;
    // The key map in force; the find and keyboard dialogs read it.
    QStringList StrListKeyMap;
    QStringList StrListKeyMapCheck1; // start-up comparison only
    QStringList StrListKeyMapCheck2;
    bool BoolKeyMapSame = true;
    void InitKeyMap(int ExeType);
    void SetShortCutKey();
    // The temporary editor cursor mode (command 1251); not saved.
    void setEditorCursorMode(bool on);
    [[nodiscard]] bool editorCursorMode() const;

    // Language state (TFormMainLanguage.cpp).
    // Every window applies its language file each time it is shown.
    void applyWindowLanguage(QWidget *window, const QString &fileName);
    // Apply a language file (a full path) to any window, column 5 or 6; messages
    // speak this window's language. Return false when the file was missing or invalid.
    bool SetJapanese(QWidget *FormThis, const QString &FileName);
    bool SetEnglish(QWidget *FormThis, const QString &FileName);
    bool CheckLanguageFile(const QString &FileName);
    // The run-time switch (commands 1951 and 1952).
    void MenuJapaneseClick();
    void MenuEnglishClick();
    QString StrLanguageFileName; // Language/Quillon/Main.txt
    // Caption bases of the launcher items 1011-1015 in the current language.
    std::array<QString, 5> StrLauncherMenu;

    // The eleven timers, all stopped at creation.
    std::array<QTimer *, 12> Timers{}; // Timers[1] .. Timers[11]

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Each area of the window registers its commands from its own file.
    void registerFileCommands();       // TFormMain.cpp: open, exit, read settings, exit keys, window size
    void registerViewCommands();       // TFormMainView.cpp: marks, line numbers, wrap, status, fonts
    void registerNavigationCommands(); // TFormMainNavigation.cpp: scrolling, cursor, selection, copy
    void registerSearchCommands();     // TFormMainSearch.cpp: find dialog, search bar
    void registerLanguageCommands();   // TFormMainLanguage.cpp: Japanese / English

    void createTimers();
    void createLayout();
    void createMenus();
    void applySettingsToViews();
    void createLanguageFolders();
    void handleCommandLine();
    void fillLog();
    void setTitle();
    void setPanel(int panel, const QString &text);
    void refreshLineCountPanel();
    void refreshReadOnlyPanel();
    void refreshPanel0();
    [[nodiscard]] QString readOnlyText() const;
    void setReadSetting(int number);
    void toggleCloseKey(int index);
    // Every check mark of the window as its state says (after a refused command).
    void syncCheckMarks();
    // The one place the hex dump holds the text view's commands.
    [[nodiscard]] std::function<void()> onlyWhileTextShown(std::function<void()> handler);
    bool handleExitKey(QKeyEvent *event);
    void closeViewer();
    void onTimer(int index);
    void applyLoadedText(const LoadedText &loaded);
    void writeSettingsAtExit();

    // View helpers (TFormMainView.cpp).
    // Events of the text view, the line-number view and the window.
    bool viewEvent(QObject *watched, QEvent *event);
    bool m_pressedInText = false;
    void numberLines();
    void fitLineNumberWidth();
    void syncLineNumbers();
    void afterTextLoaded();
    void setWrap(bool wrapAtWidth);
    void toggleMark(int index);
    void setTabWidthItem(int index);
    void toggleStatusBarItem(int index);
    void chooseTextFont();
    void chooseTextBackColor();
    void chooseMarkColor();
    void updateResizeLock();
    void enterLineNumberSelection();
    void textViewClicked();
    void textViewDoubleClicked();
    void selectionToSearchBar();
    void statusBarClicked();
    void setViewItemEnabled(CommandCode code, bool on);
    void setViewItemChecked(CommandCode code, bool on);
    void syncViewCheckMarks();
    bool m_resizeLocked = false;
    QSize m_lockedSize;
    int m_statusPressX = 0;

    // Navigation helpers (TFormMainNavigation.cpp).
    [[nodiscard]] TMemoExDark *scrolledView() const;
    void scrollAndPlaceCaret(int scrollBy, int targetLine);
    void pageCommand(int amount, bool down);
    void documentEdgeCommand(bool end);
    void lineEdgeCommand(bool end);
    void cursorKeyCommand(int key);
    void copySelection(bool append);
    void copyOneLine();
    void selectAllCommand();
    void selectWordCommand();
    void openJumpDialog();
    void applyJump();
    void openPageSettingDialog();
    void applyPageSetting();
    void updatePopupMenu();
    [[nodiscard]] int caretLine() const;

    // Search helpers (TFormMainSearch.cpp).
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
    TFormFind *FormFind = nullptr;
    std::unique_ptr<FindHost> m_findHost;


    // Language helpers (TFormMainLanguage.cpp).
    void tagControls();
    void applyLanguageAtShow();
    bool applyMainLanguageFile();
    void switchLanguage(bool japanese);

    struct Command {
        std::function<void()> run;
        WhileDump rule = WhileDump::Acts;
    };
    std::array<Command, size_t(CommandCode::count())> m_commands;
    QStringList m_args;
    QString m_shownFileName; // the file whose text is on screen
    IniFile m_ini;
    MainSettings m_settings;
    bool m_shownOnce = false;
    bool m_settingsWriteReported = false;

    // Widgets, named as the program's own documentation names them.
    QWidget *PanelMain = nullptr;
    StatusPanels *StatusBarTop = nullptr;
    StatusPanels *StatusBarBottom = nullptr;
    QWidget *PanelSearch = nullptr;
    QPushButton *ButtonSearchNext = nullptr;
    QPushButton *ButtonSearchPrev = nullptr;
    QLabel *LabelSearch = nullptr;
    QComboBox *ComboBoxSearch = nullptr;
    TMemoExDark *MemoLineNumber = nullptr;
    TMemoExDark *Memo1 = nullptr;
    HexDumpView *MemoBinary = nullptr;
    std::unique_ptr<MainMenuBuilder> m_menus;

    // The controllers of the areas, declared after what they use so they go
    // first; more areas move out of this class into controllers of their own.
    std::unique_ptr<KeyMapController> m_keys;
    std::unique_ptr<BinaryController> m_binary;

    // The receiver of every signal and event the window's children send it.
    // Declared last, it goes first: children taken down after it reach nothing.
    QObject m_receiver;
};

} // namespace quillon
