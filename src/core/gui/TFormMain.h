#pragma once
// The main window as a shell: it lays out the widgets, keeps the command
// registry, the timers, the loaded file and the message buffer; every way of
// opening a file ends in LoadFile. Each area (file, view, navigation, search,
// keys, language) is a controller that registers its own commands.
#include "CommandCode.h"
#include "IniFile.h"
#include "MainSettings.h"
#include "TextBuffer.h"
#include "TextLoadJob.h"
#include "MessageService.h"

#include <QMainWindow>
#include <QTimer>
#include <QStringList>
#include <array>
#include <functional>
#include <future>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace quillon {

struct LoadedText;
struct MessageText;
class BinaryController;
class FileController;
class FilerController;
class FindAllController;
class GridController;
class HexDumpView;
class HelpController;
class HistoryController;
class KeyMapController;
class LanguageController;
class LauncherController;
class AppearanceController;
class MainMenuBuilder;
class NavigationController;
class SearchController;
class SmallDialogController;
class ViewController;
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
    // Reads the shown file again (a wrap change) in the background.
    void LoadFileSecondTime();
    // True from LoadFileSecondTime until its text is shown (or dropped).
    [[nodiscard]] bool reloadPending() const;
    // A large file shows its first screen while the rest is decoded; this is
    // true until the whole text is shown. A command waits for it (busy cursor).
    [[nodiscard]] bool loading() const { return bool(m_growing); }
    void finishLoadNow();
    // Lines of the text shown (while loading, the ones decoded so far).
    [[nodiscard]] int shownLineCount() const;
    // The file named on the command line has been read (or there is none to read).
    [[nodiscard]] bool startLoadEnded() const { return !m_preload || m_preload->ended(); }
    // Files this large load in the background (tests lower it).
    void setProgressiveFrom(qint64 bytes) { m_progressiveFrom = bytes; }
    void SetLoadIndexFromMenu();
    void MemoStatus();
    void handleDrop(const QStringList &names);
    // Whether a command acts while the hex dump is shown. Commands of the text
    // view stand still then; a check item they refuse keeps its check mark.
    enum class WhileDump : bool { Acts, StandsStill };
    // Runs the command of a catalogue code, as its menu item and key do.
    void runCommand(CommandCode code);
    // Connects a code to its behaviour and enables its menu item.
    void registerCommand(CommandCode code, std::function<void()> handler, WhileDump rule = WhileDump::Acts);
    [[nodiscard]] bool isRegistered(CommandCode code) const { return bool(m_commands[size_t(code.index())].run); }
    // The one place the hex dump holds the text view's commands.
    [[nodiscard]] std::function<void()> onlyWhileTextShown(std::function<void()> handler);

    // Shows StrMsg-built text in the current language.
    MessageAnswer showMessage(const QString &japanese, const QString &english,
                              MessageButtons buttons = MessageButtons::Ok);
    MessageAnswer showMessage(const MessageText &text, MessageButtons buttons = MessageButtons::Ok);

    // The status panels the window fills from its own state.
    void setPanel(int panel, const QString &text);
    void refreshLineCountPanel();
    void refreshReadOnlyPanel();
    void refreshPanel0();

    [[nodiscard]] TMemoExDark *textView() const { return Memo1; }
    [[nodiscard]] TMemoExDark *lineNumberView() const { return MemoLineNumber; }
    [[nodiscard]] StatusPanels *upperStatus() const { return StatusBarTop; }
    [[nodiscard]] StatusPanels *lowerStatus() const { return StatusBarBottom; }
    [[nodiscard]] QWidget *mainPanel() const { return PanelMain; }
    [[nodiscard]] QWidget *searchPanel() const { return PanelSearch; }
    [[nodiscard]] QComboBox *searchCombo() const { return ComboBoxSearch; }
    [[nodiscard]] QLabel *searchLabel() const { return LabelSearch; }
    [[nodiscard]] QPushButton *searchNextButton() const { return ButtonSearchNext; }
    [[nodiscard]] QPushButton *searchPrevButton() const { return ButtonSearchPrev; }
    [[nodiscard]] QAction *commandAction(CommandCode code) const;
    [[nodiscard]] MainMenuBuilder &menus() const { return *m_menus; }
    [[nodiscard]] const MainSettings &settings() const { return m_settings; }
    [[nodiscard]] MainSettings &settings() { return m_settings; }
    [[nodiscard]] IniFile &ini() { return m_ini; }
    [[nodiscard]] bool isFilerStart() const { return m_args.size() == 2; }
    // The context of every connection the controllers make to the window's
    // children; it goes before the children do.
    [[nodiscard]] QObject *signalContext() { return &m_receiver; }

    // The areas of the window.
    [[nodiscard]] FileController &file() const { return *m_file; }
    [[nodiscard]] ViewController &view() const { return *m_view; }
    [[nodiscard]] NavigationController &navigation() const { return *m_navigation; }
    [[nodiscard]] SearchController &search() const { return *m_search; }
    [[nodiscard]] KeyMapController &keys() const { return *m_keys; }
    [[nodiscard]] LanguageController &language() const { return *m_language; }
    [[nodiscard]] HistoryController &history() const { return *m_history; }
    [[nodiscard]] FilerController &filer() const { return *m_filer; }
    [[nodiscard]] LauncherController &launcher() const { return *m_launcher; }
    [[nodiscard]] AppearanceController &appearance() const { return *m_appearance; }
    [[nodiscard]] TFormFind *findDialog() const;

    // Main-window state other windows read.
    QString StrLoadFileName;
    qint64 IntLoadFileSize = 0;
    int IntLoadCharIndex = 0;
    int IntReadEncode1 = 1;
    int IntReadReturn1 = 0;
    QString StrLoadChar;
    QString StrLoadReturn;
    bool BoolUnKnownCharCode = false;
    bool BoolLfInLine = false;
    bool BoolFileReadOnly = false;
    // The decoded lines: the same buffer the text view shows, never a copy.
    std::shared_ptr<const TextBuffer> StrListLoadFileTmp;
    QStringList StrListLog;
    QString HarboHandle;
    bool BoolJapanese = true;
    QString StrMsg;
    // The hex dump area: the view switch, its modes and pages.
    [[nodiscard]] BinaryController &binary() const { return *m_binary; }
    [[nodiscard]] GridController &grid() const { return *m_grid; }

    // Key map state; KeyMapController keeps it, the find and keyboard dialogs read it.
    // The default catalogue (filer-style unless the keyboard dialog rebuilt it).
    QStringList StrListKeyMapOriginal;
    // The key map in force.
    QStringList StrListKeyMap;
    bool BoolKeyMapSame = true;

    // The eleven timers, all stopped at creation.
    std::array<QTimer *, 12> Timers{}; // Timers[1] .. Timers[11]

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createTimers();
    void createLayout();
    void createMenus();
    void createControllers();
    void createLanguageFolders();
    void handleCommandLine();
    void fillLog();
    void setTitle();
    [[nodiscard]] QString readOnlyText() const;
    // Every check mark of the window as its state says (after a refused command).
    void syncCheckMarks();
    void onTimer(int index);
    // keepView: the text is the one shown so far, whole now (caret and view stay).
    void applyLoadedText(const LoadedText &loaded, bool keepView = false);
    // What the window showed of a file while it loaded: nothing, lines that
    // turned out not to be its text, or the first lines of its text.
    enum class ShownSoFar { Nothing, OtherText, Prefix };
    void finishLoad(const QString &path, const LoadedText &loaded, ShownSoFar shown);
    void startShowingLoad(const QString &path, std::shared_ptr<TextLoadJob> job);
    void continueLoad();
    void abandonLoad();
    [[nodiscard]] QString loadingText() const;
    void writeSettingsAtExit();
    // Gives the window's outer frame the rectangle outer once it is framed.
    void placeOuterFrame(const QRect &outer, int triesLeft);
    // Runs show once the window stands in its place (start-up messages).
    void whenPlaced(std::function<void()> show);
    bool m_placed = false;
    std::vector<std::function<void()>> m_afterPlaced;

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

    // The controllers of the areas, declared after what they use so they go first.
    std::shared_ptr<TextLoadJob> m_preload; // the command line's file, read while the window is built
    std::shared_ptr<class GrowingTextSource> m_growing; // the file still being decoded, as far as it is
    QTimer m_growTimer;
    qint64 m_progressiveFrom = TextLoadJob::DefaultProgressiveFrom;
    void waitForReload();
    void finishReload(quint64 generation, const QString &path, const LoadedText &loaded, bool unchanged);
    std::future<void> m_reload;
    quint64 m_reloadGeneration = 0; // bumped by every reload and every load
    quint64 m_reloadStarted = 0;
    bool m_reloadPending = false;
    std::unique_ptr<FileController> m_file;
    std::unique_ptr<ViewController> m_view;
    std::unique_ptr<NavigationController> m_navigation;
    std::unique_ptr<SearchController> m_search;
    std::unique_ptr<KeyMapController> m_keys;
    std::unique_ptr<BinaryController> m_binary;
    std::unique_ptr<FindAllController> m_findAll;
    std::unique_ptr<GridController> m_grid;
    std::unique_ptr<LanguageController> m_language;
    std::unique_ptr<HistoryController> m_history;
    std::unique_ptr<SmallDialogController> m_smallDialogs;
    std::unique_ptr<HelpController> m_help;
    std::unique_ptr<FilerController> m_filer;
    std::unique_ptr<LauncherController> m_launcher;
    std::unique_ptr<AppearanceController> m_appearance;

    // The receiver of every signal and event the window's children send it.
    // Declared last, it goes first: children taken down after it reach nothing.
    QObject m_receiver;
};

} // namespace quillon
