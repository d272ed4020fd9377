#include "TFormMain.h"

#include "AppPaths.h"
#include "CharCode.h"
#include "BinaryController.h"
#include "ColorText.h"
#include "HexDumpView.h"
#include "HelpController.h"
#include "HistoryController.h"
#include "CommandCatalogue.h"
#include "FileController.h"
#include "FilerController.h"
#include "FontSubstitutes.h"
#include "KeyMapController.h"
#include "LanguageController.h"
#include "LauncherController.h"
#include "AppearanceController.h"
#include "LoadOutcome.h"
#include "MainMenuBuilder.h"
#include "MainMessages.h"
#include "NavigationController.h"
#include "SearchController.h"
#include "SmallDialogController.h"
#include "StartArguments.h"
#include "StartLog.h"
#include "QtTranslations.h"
#include "StatusPanels.h"
#include "TMemoExDark.h"
#include "FindAllController.h"
#include "GridController.h"
#include "GrowingTextSource.h"
#include "TextBufferSource.h"
#include "TextLoader.h"
#include "ViewController.h"
#include "ViewText.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>

namespace quillon {

namespace {

QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

} // namespace

TFormMain::TFormMain(const QStringList &args, QWidget *parent)
    : QMainWindow(parent)
    , m_args(args)
    , m_ini(AppPaths::settingsPath())
{
    installFontSubstitutes();
    // Creation, step 1: timers stopped, drops accepted, lists empty, title.
    createTimers();
    // While a large file loads, the lines decoded so far are taken in now and then.
    connect(&m_growTimer, &QTimer::timeout, &m_receiver, [this] { continueLoad(); });
    setAcceptDrops(true);
    setWindowTitle(QStringLiteral(" - Quillon"));
    setMinimumSize(780, 240);

    // A settings file that cannot be written is said once, after the window shows.
    IniFile::setWriteErrorHandler([this](const QString &path, const QString &reason) {
        if (m_settingsWriteReported)
            return;
        m_settingsWriteReported = true;
        whenPlaced([this, path, reason] { showMessage(MainMessages::settingsNotWritable(path, reason)); });
    });

    // Step 3: the language comes first, so every message below speaks it.
    m_settings.reload(m_ini, MainKey::Japanese);
    BoolJapanese = m_settings.japanese;
    createLanguageFolders();
    m_ini.createIfMissing();
    {
        IniBatch batch(m_ini); // one read and one write for every key of the start
        m_settings.readAtStart(batch);
    }
    BoolJapanese = m_settings.japanese;
    QtTranslations::apply(BoolJapanese);
    // The filer's own settings decide the marks and colours only when its file is beside us.
    if (!QFileInfo::exists(AppPaths::besideProgram(QStringLiteral("Harbek.ini"))))
        m_settings.sameAsHarbekan = false;

    // The file of the command line is read while the window is built.
    const StartArguments start = StartArguments::parse(m_args);
    if (start.form != StartArguments::Form::TooMany && !start.path.isEmpty() && QFileInfo(start.path).isFile()) {
        m_preload = TextLoadJob::start(QFileInfo(start.path).absoluteFilePath(), m_settings.checkedReadSetting(),
                                       AppPaths::besideProgram(QStringLiteral("Quillon-UnKnown.txt")),
                                       m_progressiveFrom);
    }

    createLayout();
    createMenus();
    createControllers();
    m_appearance->applyTextViewLook();
    m_binary->applySettings(m_settings);
    SetLoadIndexFromMenu();

    // Step 12: bars shown as saved; panels 4 and 5 name the read setting.
    StatusBarTop->setVisible(m_settings.statusBarTop);
    StatusBarBottom->setVisible(m_settings.statusBarBottom);
    PanelSearch->setVisible(m_settings.searchBarTop);
    StrLoadReturn = lineEndName(LineEndCrLf, BoolJapanese);
    for (int p : {3, 6})
        setPanel(p, QString());
    setPanel(4, StrLoadChar);
    setPanel(5, StrLoadReturn);

    // Step 13: the placement record was read with the settings; applied when shown.
    resize(m_settings.placement.rect.size());
}

TFormMain::~TFormMain()
{
    if (m_reload.valid())
        m_reload.wait();
    // A load still running stops; its text goes with the view.
    if (m_growing)
        m_growing->job()->stop();
    m_preload.reset();
    writeSettingsAtExit();
    IniFile::setWriteErrorHandler({});
}

void TFormMain::createTimers()
{
    struct Spec { int interval; bool singleShot; };
    static constexpr Spec specs[12] = {
        {0, true},     {100, true}, {200, true},  {300, true}, {300, true}, {300, true},
        {200, false},  {300, true}, {1000, false}, {500, true}, {300, true}, {100, true},
    };
    for (int i = 1; i <= 11; ++i) {
        auto *t = new QTimer(this);
        t->setObjectName(QStringLiteral("Timer%1").arg(i));
        t->setInterval(specs[i].interval);
        t->setSingleShot(specs[i].singleShot);
        connect(t, &QTimer::timeout, this, [this, i] { onTimer(i); });
        Timers[size_t(i)] = t;
    }
}

void TFormMain::createLayout()
{
    PanelMain = new QWidget(this);
    auto *column = new QVBoxLayout(PanelMain);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    StatusBarTop = new StatusPanels(PanelMain);
    StatusBarTop->setObjectName(QStringLiteral("StatusBarTop"));
    column->addWidget(StatusBarTop);

    // The search bar: its controls are here; searching arrives with the engine.
    PanelSearch = new QWidget(PanelMain);
    PanelSearch->setObjectName(QStringLiteral("PanelSearch"));
    auto *searchRow = new QHBoxLayout(PanelSearch);
    searchRow->setContentsMargins(0, 0, 0, 0);
    searchRow->setSpacing(0);
    ButtonSearchNext = new QPushButton(J(u"次検索(&V)"), PanelSearch);
    ButtonSearchPrev = new QPushButton(J(u"前検索(&T)"), PanelSearch);
    LabelSearch = new QLabel(J(u"検索バー(&,)"), PanelSearch);
    LabelSearch->setFrameShape(QFrame::Panel);
    LabelSearch->setFrameShadow(QFrame::Sunken);
    LabelSearch->setAlignment(Qt::AlignCenter);
    ComboBoxSearch = new QComboBox(PanelSearch);
    ComboBoxSearch->setEditable(true);
    ComboBoxSearch->setObjectName(QStringLiteral("ComboBoxSearch"));
    LabelSearch->setBuddy(ComboBoxSearch);
    ButtonSearchNext->setFixedWidth(100);
    ButtonSearchPrev->setFixedWidth(100);
    LabelSearch->setFixedWidth(120);
    for (QWidget *w : {static_cast<QWidget *>(ButtonSearchNext), static_cast<QWidget *>(ButtonSearchPrev)}) {
        w->setEnabled(false);
        w->setFocusPolicy(Qt::NoFocus);
    }
    searchRow->addWidget(ButtonSearchNext);
    searchRow->addWidget(ButtonSearchPrev);
    searchRow->addWidget(LabelSearch);
    searchRow->addWidget(ComboBoxSearch, 1);
    column->addWidget(PanelSearch);

    auto *views = new QWidget(PanelMain);
    auto *row = new QHBoxLayout(views);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    MemoLineNumber = new TMemoExDark(views);
    MemoLineNumber->setObjectName(QStringLiteral("MemoLineNumber"));
    MemoLineNumber->setFixedWidth(std::max(8, m_settings.lineWidth));
    MemoLineNumber->hide(); // line numbers arrive with the view's next features
    Memo1 = new TMemoExDark(views);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    MemoBinary = new HexDumpView(views);
    row->addWidget(MemoLineNumber);
    row->addWidget(Memo1, 1);
    row->addWidget(MemoBinary, 1);
    column->addWidget(views, 1);

    StatusBarBottom = new StatusPanels(PanelMain);
    StatusBarBottom->setObjectName(QStringLiteral("StatusBarBottom"));
    column->addWidget(StatusBarBottom);

    setCentralWidget(PanelMain);
    connect(Memo1, &TMemoExDark::caretMoved, &m_receiver, [this] { MemoStatus(); });
    connect(Memo1, &TMemoExDark::selectionChanged, &m_receiver, [this] { MemoStatus(); });
    Memo1->setFocus();
}

void TFormMain::createMenus()
{
    m_menus = std::make_unique<MainMenuBuilder>(this);
    setMenuWidget(m_menus->menuBarContainer());
    for (const CommandInfo &info : CommandCatalogue::commands()) {
        const CommandCode code = CommandCode::of(info);
        if (QAction *a = commandAction(code))
            connect(a, &QAction::triggered, &m_receiver, [this, code] { runCommand(code); });
    }
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, &m_receiver,
            [this](const QPoint &pos) { m_menus->popupMenu()->popup(Memo1->mapToGlobal(pos)); });
}

void TFormMain::createControllers()
{
    // Everything starts greyed; each area enables what it has built.
    m_file = std::make_unique<FileController>(*this);
    m_file->registerCommands();
    m_view = std::make_unique<ViewController>(*this);
    m_view->registerCommands();
    m_navigation = std::make_unique<NavigationController>(*this);
    m_navigation->registerCommands();
    m_search = std::make_unique<SearchController>(*this);
    m_search->registerCommands();
    m_keys = std::make_unique<KeyMapController>(*this, *m_menus);
    m_keys->registerCommands();
    m_binary = std::make_unique<BinaryController>(*this, *m_menus, *MemoBinary);
    m_binary->registerCommands();
    m_findAll = std::make_unique<FindAllController>(*this);
    m_findAll->registerCommands();
    m_grid = std::make_unique<GridController>(*this);
    m_grid->registerCommands();
    m_language = std::make_unique<LanguageController>(*this);
    m_language->registerCommands();
    m_history = std::make_unique<HistoryController>(*this);
    m_history->registerCommands();
    m_smallDialogs = std::make_unique<SmallDialogController>(*this);
    m_smallDialogs->registerCommands();
    m_help = std::make_unique<HelpController>(*this);
    m_help->registerCommands();
    m_filer = std::make_unique<FilerController>(*this);
    m_filer->registerCommands();
    m_launcher = std::make_unique<LauncherController>(*this);
    m_launcher->registerCommands();
    m_appearance = std::make_unique<AppearanceController>(*this);
    m_appearance->registerCommands();
    m_launcher->raiseWindowShowing = [this](const QString &file) { m_filer->bringForwardWindowNaming(file); };
}

TFormFind *TFormMain::findDialog() const
{
    return m_search->findDialog();
}

QAction *TFormMain::commandAction(CommandCode code) const
{
    return m_menus ? m_menus->action(code.view()) : nullptr;
}

void TFormMain::createLanguageFolders()
{
    for (const QString &dir : {AppPaths::languageDir(), AppPaths::programLanguageDir()}) {
        if (QDir().mkpath(dir))
            continue;
        const QString shown = QDir::toNativeSeparators(dir) + QDir::separator();
        whenPlaced([this, shown] { showMessage(MainMessages::folderNotMade(shown)); });
    }
}

MessageAnswer TFormMain::showMessage(const QString &japanese, const QString &english, MessageButtons buttons)
{
    StrMsg = BoolJapanese ? japanese : english;
    return MessageService::show(this, StrMsg, buttons);
}

void TFormMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;

    m_file->watchCloseKeys();

    // Placement by the virtual-screen check, then the saved state.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect virtualScreen = screen ? screen->virtualGeometry() : QRect(0, 0, 1920, 1080);
    const QRect r = PlacementRecord::restoredRect(m_settings.placement, virtualScreen, QSize(780, 240));
    move(r.topLeft());
    resize(r.size());
    // About half a second for a window manager to frame the window; without
    // one there is no frame and the rectangle stands as it is.
    placeOuterFrame(r, 25);
    if (m_settings.placement.state == QLatin1String("MAX"))
        setWindowState(windowState() | Qt::WindowMaximized);
    else if (m_settings.placement.state == QLatin1String("MIN"))
        setWindowState(windowState() | Qt::WindowMinimized);
    m_keys->reconcileAtStart();

    // The rest runs once the window is on screen, so a message box it shows
    // has a visible owner.
    QTimer::singleShot(0, this, [this] {
        Memo1->setFocus();
        handleCommandLine();
        m_language->applyLanguageAtShow();
        fillLog();
        MemoStatus();
        refreshLineCountPanel();
        setTitle();
        refreshPanel0();
        m_filer->startWatch();
    });
}

void TFormMain::handleCommandLine()
{
    const StartArguments start = StartArguments::parse(m_args);
    auto disable = [this](CommandCode code) {
        if (QAction *a = commandAction(code))
            a->setEnabled(false);
    };
    switch (start.form) {
    case StartArguments::Form::TooMany:
        return; // an empty viewer
    case StartArguments::Form::Plain:
        disable(u"1821");
        disable(u"1021");
        break;
    case StartArguments::Form::Filer:
        disable(u"1001");
        HarboHandle = start.harboHandle;
        if (start.badHandle) {
            // Not a handle: say so, and still open the file.
            showMessage(MainMessages::notAWindowHandle(m_args[0]));
        }
        break;
    }
    if (!start.path.isEmpty() && QFileInfo(start.path).isFile()) {
        StrLoadFileName = QFileInfo(start.path).absoluteFilePath();
        SetLoadIndexFromMenu();
        LoadFile();
        if (start.form == StartArguments::Form::Filer && m_shownFileName == StrLoadFileName)
            m_filer->filerStartLoaded();
    }
}

void TFormMain::fillLog()
{
    StrListLog = StartLog::lines(m_args, m_filer->logWindows());
}

void TFormMain::writeSettingsAtExit()
{
    IniBatch batch(m_ini);
    m_binary->storeSettings(m_settings);
    m_settings.writeAtExit(batch);
    QString state = QStringLiteral("NORMAL");
    if (isMaximized())
        state = QStringLiteral("MAX");
    else if (isMinimized())
        state = QStringLiteral("MIN");
    // The outer frame, as it is restored: the same rectangle both ways, so
    // the window never creeps by its title bar from one start to the next.
    PlacementRecord::write(batch, QStringLiteral("FormMain"), state, frameGeometry());
    m_history->saveAtExit();
}

void TFormMain::placeOuterFrame(const QRect &outer, int triesLeft)
{
    // The window manager tells the frame's size only after it has framed the
    // window; until then a position means the client area's. Once the frame
    // is known, the client is sized and moved so that the frame takes outer.
    const bool framed = frameGeometry() != geometry();
    if (!framed && triesLeft > 0) {
        QTimer::singleShot(20, this, [this, outer, triesLeft] { placeOuterFrame(outer, triesLeft - 1); });
        return;
    }
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        const QSize frame = frameGeometry().size() - geometry().size();
        resize((outer.size() - frame).expandedTo(minimumSize()));
        move(outer.topLeft());
    }
    // Messages of the start-up now have a window in its place to stand over.
    m_placed = true;
    for (auto &show : std::exchange(m_afterPlaced, {}))
        QTimer::singleShot(0, this, std::move(show));
}

void TFormMain::whenPlaced(std::function<void()> show)
{
    if (m_placed)
        QTimer::singleShot(0, this, std::move(show));
    else
        m_afterPlaced.push_back(std::move(show));
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    // A file still loading is dropped: closing does not wait for it.
    if (m_growing)
        m_growing->job()->stop();
    m_history->recordOnClose();
    m_filer->onClose();
    QMainWindow::closeEvent(event);
}

void TFormMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    StatusBarTop->layoutPanels(width());
    StatusBarBottom->layoutPanels(width());
}

void TFormMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void TFormMain::dropEvent(QDropEvent *event)
{
    QStringList names;
    for (const QUrl &url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            names.append(url.toLocalFile());
    }
    event->acceptProposedAction();
    activateWindow();
    raise();
    handleDrop(names);
}

void TFormMain::handleDrop(const QStringList &names)
{
    if (isFilerStart()) {
        showMessage(MainMessages::dropWithFiler());
        return;
    }
    if (names.isEmpty()) {
        showMessage(MainMessages::dropNothing());
        return;
    }
    if (names.size() > 1) {
        showMessage(MainMessages::dropMoreThanOne());
        return;
    }
    const QFileInfo info(names.first());
    if (!info.isFile()) {
        Timers[2]->start();
        return;
    }
    StrLoadFileName = info.absoluteFilePath();
    SetLoadIndexFromMenu();
    LoadFile();
}

void TFormMain::SetLoadIndexFromMenu()
{
    IntLoadCharIndex = m_settings.checkedReadSetting();
    StrLoadChar = charCodeName(IntLoadCharIndex, BoolJapanese);
    setPanel(4, StrLoadChar);
    StrLoadReturn = lineEndName(LineEndCrLf, BoolJapanese);
}

void TFormMain::LoadFile()
{
    const QString path = StrLoadFileName;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        showMessage(fileNotExistMessage());
        return;
    }
    const QString copyPath = AppPaths::besideProgram(QStringLiteral("Quillon-UnKnown.txt"));
    ++m_reloadGeneration; // a reload of the text shown before is not wanted now
    // The command line's file, read while the window was built, is taken as it is.
    std::shared_ptr<TextLoadJob> job = std::exchange(m_preload, {});
    abandonLoad();
    if (!job || !job->startedWith(path, IntLoadCharIndex, copyPath))
        job = TextLoadJob::start(path, IntLoadCharIndex, copyPath, m_progressiveFrom);
    // A large file loads while the window goes on: it shows the file's first
    // screen as soon as that is decoded from the file's first bytes. A smaller
    // one is there before the window would notice.
    const bool large = job->showsWhileLoading();
    job->progress().waitShown(Memo1->visibleLineCount() + 1,
                              large ? std::chrono::milliseconds(50) : std::chrono::milliseconds(std::chrono::hours(1)));
    if (large && !job->ended()) {
        startShowingLoad(path, std::move(job));
        return;
    }
    finishLoad(path, job->take(), ShownSoFar::Nothing);
}

void TFormMain::finishLoad(const QString &path, const LoadedText &loaded, ShownSoFar shown)
{
    const LoadOutcome outcome = LoadOutcome::of(loaded, path);
    const bool missing = outcome.kind == LoadOutcome::Kind::Missing;
    if (missing || outcome.kind == LoadOutcome::Kind::Refused) {
        if (shown != ShownSoFar::Nothing) {
            // Gone or refused once its first screen was shown: nothing of it stays.
            applyLoadedText(LoadedText{});
            m_shownFileName.clear();
            setPanel(6, QString());
            refreshLineCountPanel();
        }
        if (!missing || shown != ShownSoFar::Nothing)
            StrLoadFileName = m_shownFileName;
        showMessage(*outcome.message);
        return;
    }

    IntLoadFileSize = loaded.fileSize;
    m_binary->loadStarted();
    m_shownFileName = path;
    setTitle();
    refreshPanel0();
    for (int p : {3, 4, 5, 6})
        setPanel(p, QString());

    IntReadEncode1 = loaded.codeInEffect;
    IntReadReturn1 = loaded.lineEnd;
    BoolUnKnownCharCode = outcome.noteUnknownChar;
    BoolLfInLine = outcome.noteLfInCrLf;
    IntLoadCharIndex = IntReadEncode1;
    if (BoolLfInLine)
        Timers[4]->start();

    if (BoolUnKnownCharCode)
        Timers[5]->start(); // StrLoadChar keeps the read setting's name
    else
        StrLoadChar = charCodeName(IntReadEncode1, BoolJapanese);
    StrLoadReturn = lineEndName(IntReadReturn1, BoolJapanese);

    if (outcome.kind == LoadOutcome::Kind::DecodeFailed) {
        applyLoadedText(LoadedText{});
        BoolFileReadOnly = outcome.readOnly;
        refreshReadOnlyPanel();
        setPanel(4, StrLoadChar);
        setPanel(5, StrLoadReturn);
        refreshLineCountPanel();
        m_binary->loadFinished();
        showMessage(*outcome.message);
        return;
    }

    applyLoadedText(loaded, shown == ShownSoFar::Prefix);
    BoolFileReadOnly = outcome.readOnly;
    refreshReadOnlyPanel();
    setPanel(4, StrLoadChar);
    setPanel(5, StrLoadReturn);
    setPanel(6, QString());
    m_history->UpdateRecent();
    Memo1->setTabStopDialogUnits(m_view->tabStops());
    Timers[1]->start();
    refreshLineCountPanel();
    MemoStatus();
    m_binary->loadFinished();
}

void TFormMain::LoadFileSecondTime()
{
    if (StrLoadFileName.isEmpty())
        return;
    // Read and decoded again on a thread of its own: the window goes on
    // showing (and wrapping) the text it has until the new one is there.
    // One already on its way (no file opened since) serves this change too.
    if (m_reloadPending && m_reloadStarted == m_reloadGeneration)
        return;
    waitForReload();
    // The cursor goes to the start now, as after any reload; when the text
    // read again is the one on screen, nothing else changes when it arrives.
    Memo1->setCaretPosition(0);
    const quint64 generation = ++m_reloadGeneration;
    m_reload = std::async(std::launch::async, [this, generation, path = StrLoadFileName, code = IntReadEncode1,
                                               unknown = BoolUnKnownCharCode, shown = StrListLoadFileTmp] {
        LoadedText loaded = TextLoader::reload(path, code, unknown);
        const bool same = loaded.ok() && shown && loaded.buffer->text() == shown->text();
        // Delivered on the window's thread; the window waits for this thread
        // before it goes away.
        QMetaObject::invokeMethod(
            this, [this, generation, path, same, loaded = std::move(loaded)] {
                finishReload(generation, path, same ? LoadedText{} : loaded, same);
            },
            Qt::QueuedConnection);
    });
    m_reloadStarted = generation;
    m_reloadPending = true;
}

bool TFormMain::reloadPending() const
{
    return m_reloadPending;
}

void TFormMain::waitForReload()
{
    if (m_reload.valid())
        m_reload.wait();
}

void TFormMain::finishReload(quint64 generation, const QString &path, const LoadedText &loaded, bool unchanged)
{
    if (generation == m_reloadStarted)
        m_reloadPending = false;
    // Another file opened, or another reload asked for, since: not this one's text.
    if (generation != m_reloadGeneration || path != StrLoadFileName || unchanged)
        return;
    if (!loaded.ok()) {
        if (const auto message = LoadOutcome::of(loaded, path).message)
            showMessage(*message);
        return;
    }
    applyLoadedText(loaded);
    Memo1->setTabStopDialogUnits(m_view->tabStops());
    refreshLineCountPanel();
    MemoStatus();
}

void TFormMain::applyLoadedText(const LoadedText &loaded, bool keepView)
{
    StrListLoadFileTmp = loaded.buffer ? loaded.buffer : std::make_shared<const TextBuffer>();
    if (keepView && loaded.buffer) {
        Memo1->extendSource(std::make_shared<const TextBufferSource>(StrListLoadFileTmp));
    } else {
        Memo1->setBuffer(StrListLoadFileTmp);
        Memo1->setCaretPosition(0);
    }
    m_view->afterTextLoaded();
}

void TFormMain::startShowingLoad(const QString &path, std::shared_ptr<TextLoadJob> job)
{
    IntLoadFileSize = QFileInfo(path).size();
    m_binary->loadStarted();
    m_shownFileName = path;
    setTitle();
    refreshPanel0();
    for (int p : {3, 4, 5})
        setPanel(p, QString());
    // The end is told to the window at once, not at the next look at the lines.
    // (Every way the window drops a load waits for its thread, so the
    // receiver is still there when this runs.)
    job->whenEnded([this] { QMetaObject::invokeMethod(&m_receiver, [this] { continueLoad(); }, Qt::QueuedConnection); });
    m_growing = std::make_shared<GrowingTextSource>(std::move(job));
    // Commands wait for the whole text; until then nothing reads this one.
    StrListLoadFileTmp = std::make_shared<const TextBuffer>();
    Memo1->setSource(m_growing);
    m_view->afterTextLoaded();
    setPanel(6, loadingText());
    refreshLineCountPanel();
    MemoStatus();
    // Often until the first screen is there, then ten times a second.
    m_growTimer.start(m_growing->lineCount() > 1 ? 100 : 10);
}

void TFormMain::continueLoad()
{
    if (!m_growing) {
        m_growTimer.stop();
        return;
    }
    if (m_growing->job()->ended()) {
        finishLoadNow();
        return;
    }
    switch (m_growing->refresh()) {
    case GrowingTextSource::Change::None:
        return;
    case GrowingTextSource::Change::Grew:
        Memo1->sourceGrew();
        m_view->textGrew();
        break;
    case GrowingTextSource::Change::Replaced:
        // The first screen was decoded by a guess the whole file did not
        // bear out: the view starts again with the file's own text.
        Memo1->setSource(m_growing);
        m_view->afterTextLoaded();
        MemoStatus();
        break;
    }
    if (m_growing->lineCount() > 1)
        m_growTimer.setInterval(100);
    refreshLineCountPanel();
}

void TFormMain::finishLoadNow()
{
    if (!m_growing)
        return;
    m_growTimer.stop();
    // The source shown keeps the text's memory until the whole text replaces it.
    const std::shared_ptr<GrowingTextSource> growing = std::exchange(m_growing, {});
    const bool waits = !growing->job()->ended();
    if (waits)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    const LoadedText loaded = growing->job()->take();
    if (waits)
        QApplication::restoreOverrideCursor();
    // Lines shown from a first screen that was withdrawn are not kept.
    finishLoad(m_shownFileName, loaded, growing->current() ? ShownSoFar::Prefix : ShownSoFar::OtherText);
}

void TFormMain::abandonLoad()
{
    if (!m_growing)
        return;
    m_growTimer.stop();
    m_growing->job()->stop();
    m_growing.reset();
    // What was shown of it goes: it is not the file.
    applyLoadedText(LoadedText{});
    m_shownFileName.clear();
    setPanel(6, QString());
}

QString TFormMain::loadingText() const
{
    return BoolJapanese ? J(u"読み込み中") : QStringLiteral("Loading");
}

int TFormMain::shownLineCount() const
{
    if (m_growing) // nothing decoded yet: no line
        return m_growing->length() > 0 || m_growing->lineCount() > 1 ? m_growing->lineCount() : 0;
    return StrListLoadFileTmp ? StrListLoadFileTmp->visibleLineCount() : 0;
}

MessageAnswer TFormMain::showMessage(const MessageText &text, MessageButtons buttons)
{
    return showMessage(text.japanese, text.english, buttons);
}

QString TFormMain::readOnlyText() const
{
    return BoolJapanese ? J(u"ファイル読取専用") : QStringLiteral("ReadOnlyFile");
}

void TFormMain::refreshReadOnlyPanel()
{
    setPanel(3, BoolFileReadOnly ? readOnlyText() : QString());
}

void TFormMain::refreshPanel0()
{
    if (m_settings.showFileName)
        setPanel(0, QFileInfo(StrLoadFileName).fileName());
    else
        setPanel(0, m_search->StrSearchValue);
}

void TFormMain::setTitle()
{
    setWindowTitle(StrLoadFileName.isEmpty() ? QStringLiteral(" - Quillon")
                                             : QDir::toNativeSeparators(StrLoadFileName) + QStringLiteral(" - Quillon"));
}

void TFormMain::MemoStatus()
{
    if (!Memo1)
        return;
    // Line and column of the selection's start, both in display lines. The
    // column counts from the start of that same line, so a selection that
    // ends on a later line never yields a negative column.
    const int start = Memo1->selectionStart();
    const int line = Memo1->lineFromPosition(start);
    const int column = start - Memo1->lineStart(line) + 1;
    setPanel(1, BoolJapanese ? QStringLiteral("%1%2%3%4").arg(line + 1).arg(J(u"行,")).arg(column).arg(J(u"桁"))
                             : QStringLiteral("Row:%1 Col:%2").arg(line + 1).arg(column));
    refreshLineCountPanel();
}

void TFormMain::refreshLineCountPanel()
{
    int count = 0;
    if (Memo1 && Memo1->wrapMode() == TMemoExDark::WrapMode::WidgetWidth) {
        // Display lines; while the text is still being broken in the
        // background this is the count so far, refreshed when it is done.
        const int length = viewTextLength(Memo1);
        const bool endsWithLineEnd = length == 0 || viewTextRange(Memo1, length - 1, 1) == QLatin1String("\n");
        count = Memo1->lineCountSoFar() - (endsWithLineEnd ? 1 : 0);
    } else {
        count = shownLineCount();
    }
    setPanel(2, BoolJapanese ? QString::number(count) + J(u"行") : QStringLiteral("Row:") + QString::number(count));
    if (m_view)
        m_view->updateResizeLock();
}

void TFormMain::setPanel(int panel, const QString &text)
{
    StatusBarTop->setPanelText(panel, text);
    StatusBarBottom->setPanelText(panel, text);
}

void TFormMain::registerCommand(CommandCode code, std::function<void()> handler, WhileDump rule)
{
    m_commands[size_t(code.index())] = {std::move(handler), rule};
    if (QAction *a = commandAction(code))
        a->setEnabled(true);
}

void TFormMain::runCommand(CommandCode code)
{
    const Command &command = m_commands[size_t(code.index())];
    if (!command.run)
        return;
    // Commands work on the whole text: one given while a file loads waits for it.
    finishLoadNow();
    if (command.rule == WhileDump::StandsStill)
        onlyWhileTextShown(command.run)();
    else
        command.run();
}

std::function<void()> TFormMain::onlyWhileTextShown(std::function<void()> handler)
{
    return [this, handler = std::move(handler)] {
        if (!m_binary->shown()) {
            handler();
            return;
        }
        // The menu may have moved a check mark itself: put every mark back.
        syncCheckMarks();
    };
}

void TFormMain::syncCheckMarks()
{
    m_file->syncCheckMarks();
    m_view->syncCheckMarks();
    m_filer->syncCheckMarks();
}

void TFormMain::onTimer(int index)
{
    QTimer *t = Timers[size_t(index)];
    if (t->isSingleShot())
        t->stop();
    switch (index) {
    case 1:
        m_history->JumpHistory();
        if (IntLoadFileSize > 0 && (!StrListLoadFileTmp || StrListLoadFileTmp->isEmpty())) {
            showMessage(MainMessages::noTextFromFile());
        }
        break;
    case 2:
        showMessage(fileNotExistMessage());
        break;
    case 4:
        showMessage(MainMessages::lfBeforeCrLf());
        break;
    case 5:
        showMessage(MainMessages::treatedAsReadOnly());
        break;
    case 8:
        m_filer->watchTick();
        break;
    default:
        break;
    }
}

} // namespace quillon
