#include "TFormMain.h"

#include "AppPaths.h"
#include "CharCode.h"
#include "ColorText.h"
#include "MainMessages.h"
#include "TextLoader.h"
#include "BinaryController.h"
#include "FontSubstitutes.h"
#include "HexDumpView.h"
#include "StatusPanels.h"
#include "TMemoExDark.h"
#include "MainMenuBuilder.h"
#include "KeyMapController.h"
#include "GridController.h"
#include "EventWatcher.h"
#include "StartArguments.h"
#include "LoadOutcome.h"
#include "CommandCatalogue.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace quillon {

namespace {

QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

// Command codes of the read settings, indexed by the read-setting number.
constexpr CommandCode readSettingCodes[] = {u"1321", u"1301", u"1302", u"1303", u"1304", u"1305",
                                            u"1306", u"1307", u"1308", u"1309", u"1310"};
// The close keys Esc, Enter, Q and X.
constexpr CommandCode closeKeyCodes[] = {u"1551", u"1552", u"1553", u"1554"};

QColor qcolor(TColor c)
{
    return QColor::fromRgb(colorToRgb(c));
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
    setAcceptDrops(true);
    setWindowTitle(QStringLiteral(" - Quillon"));
    setMinimumSize(780, 240);

    // A settings file that cannot be written is said once, after the window shows.
    IniFile::setWriteErrorHandler([this](const QString &path, const QString &reason) {
        if (m_settingsWriteReported)
            return;
        m_settingsWriteReported = true;
        QTimer::singleShot(0, this, [this, path, reason] {
            showMessage(MainMessages::settingsNotWritable(path, reason));
        });
    });

    // Step 3: the language comes first, so every message below speaks it.
    m_settings.reload(m_ini, MainKey::Japanese);
    BoolJapanese = m_settings.japanese;
    for (int i = 1; i <= 100; ++i)
        StrListScrollVale.append(QString::number(i));
    createLanguageFolders();
    m_ini.createIfMissing();
    {
        IniBatch batch(m_ini); // one read and one write for every key of the start
        m_settings.readAtStart(batch);
    }
    BoolJapanese = m_settings.japanese;
    BoolDeveloper = m_settings.developer;
    IntSkinStyle = m_settings.skinStyle;
    FTextColorCarbon = m_settings.colorCarbon;
    FTextColorCharcoal = m_settings.colorCharcoal;
    FTextColorDark = m_settings.colorDark;
    StrCsvSeparater = m_settings.csvSeparater;
    auto scrollValue = [this](int index) { return StrListScrollVale.value(index, QStringLiteral("1")).toInt(); };
    IntScroll3 = scrollValue(m_settings.scrollPlusPlusPlusIndex);
    IntScroll2 = scrollValue(m_settings.scrollPlusPlusIndex);
    IntScroll1 = scrollValue(m_settings.scrollPlusIndex);
    // The filer's own settings decide the marks only when its file is beside us.
    if (!QFileInfo::exists(AppPaths::besideProgram(QStringLiteral("Harbek.ini"))))
        m_settings.sameAsHarbekan = false;
    if (m_settings.sameAsHarbekan) {
        IntSfiftRet = m_settings.harbekanShiftRet;
        IntShiftEof = m_settings.harbekanShiftEof;
        IntShiftTab = m_settings.harbekanShiftTab;
        IntShiftDbcs = m_settings.harbekanShiftDbcs;
    } else {
        IntSfiftRet = m_settings.shiftRet;
        IntShiftEof = m_settings.shiftEof;
        IntShiftTab = m_settings.shiftTab;
        IntShiftDbcs = m_settings.shiftDbcs;
    }

    createLayout();
    createMenus();
    applySettingsToViews();
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

    for (int i = 0; i <= 10; ++i) {
        if (QAction *a = commandAction(readSettingCodes[i]))
            a->setChecked(m_settings.readSetting[size_t(i)]);
    }
    const bool closeKeys[] = {m_settings.closeEsc, m_settings.closeEnter, m_settings.closeQ, m_settings.closeX};
    for (int i = 0; i < 4; ++i) {
        if (QAction *a = commandAction(closeKeyCodes[i]))
            a->setChecked(closeKeys[i]);
    }
    for (const CommandInfo &info : CommandCatalogue::commands()) {
        const CommandCode code = CommandCode::of(info);
        if (QAction *a = commandAction(code))
            connect(a, &QAction::triggered, &m_receiver, [this, code] { runCommand(code); });
    }
    // Everything starts greyed; each area enables what it has built.
    registerFileCommands();
    registerViewCommands();
    registerNavigationCommands();
    registerSearchCommands();
    m_keys = std::make_unique<KeyMapController>(*this, *m_menus);
    m_keys->registerCommands();
    m_binary = std::make_unique<BinaryController>(*this, *m_menus, *MemoBinary);
    m_binary->registerCommands();
    auto *grid = new GridController(*this);
    grid->registerCommands();
    registerLanguageCommands();

    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, &m_receiver,
            [this](const QPoint &pos) { m_menus->popupMenu()->popup(Memo1->mapToGlobal(pos)); });
}

void TFormMain::InitKeyMap(int ExeType)
{
    m_keys->InitKeyMap(ExeType);
}

void TFormMain::SetShortCutKey()
{
    m_keys->SetShortCutKey();
}

void TFormMain::setEditorCursorMode(bool on)
{
    m_keys->setEditorCursorMode(on);
}

bool TFormMain::editorCursorMode() const
{
    return m_keys->editorCursorMode();
}

QAction *TFormMain::commandAction(CommandCode code) const
{
    return m_menus ? m_menus->action(code.view()) : nullptr;
}

void TFormMain::applySettingsToViews()
{
    QFont font(m_settings.textFont.name, m_settings.textFont.pointSize());
    for (TMemoExDark *view : {Memo1, MemoLineNumber}) {
        view->setFont(font);
        view->setTextColor(qcolor(m_settings.textFont.color));
        view->setBackgroundColor(qcolor(m_settings.backColorReadOnly));
        // Dark margins follow the theme.
        view->setDarkMode(IntSkinStyle != 0);
        const TColor dark = IntSkinStyle == 1 ? FTextColorCarbon : IntSkinStyle == 2 ? FTextColorCharcoal : FTextColorDark;
        view->setDarkBackColor(qcolor(dark));
    }
    Memo1->setShiftRet(IntSfiftRet);
    Memo1->setShiftEof(IntShiftEof);
    Memo1->setShiftTab(IntShiftTab);
    Memo1->setShiftDBCS(IntShiftDbcs);
    TabStops = m_settings.tabWidth() * 4;
    Memo1->setTabStopDialogUnits(TabStops);
}

void TFormMain::createLanguageFolders()
{
    for (const QString &dir : {AppPaths::languageDir(), AppPaths::programLanguageDir()}) {
        if (QDir().mkpath(dir))
            continue;
        const QString shown = QDir::toNativeSeparators(dir) + QDir::separator();
        QTimer::singleShot(0, this, [this, shown] {
            showMessage(MainMessages::folderNotMade(shown));
        });
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

    // Key preview: exit keys are seen before the focused control.
    EventWatcher::watch(qApp, &m_receiver, [this](QObject *watched, QEvent *event) {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *w = qobject_cast<QWidget *>(watched);
        return w && w->window() == this && handleExitKey(static_cast<QKeyEvent *>(event));
    });

    // Placement by the virtual-screen check, then the saved state.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect virtualScreen = screen ? screen->virtualGeometry() : QRect(0, 0, 1920, 1080);
    const QRect r = PlacementRecord::restoredRect(m_settings.placement, virtualScreen, QSize(780, 240));
    move(r.topLeft());
    resize(r.size());
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
        applyLanguageAtShow();
        fillLog();
        MemoStatus();
        refreshLineCountPanel();
        setTitle();
        refreshPanel0();
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
    }
}

void TFormMain::fillLog()
{
    StrListLog.clear();
    StrListLog << QStringLiteral("ParamCount") << QString::number(m_args.size()) << QString();
    if (m_args.size() == 1 || m_args.size() == 2)
        StrListLog << QStringLiteral("ParamStr(1)") << m_args[0] << QString();
    if (m_args.size() == 2)
        StrListLog << QStringLiteral("ParamStr(2)") << m_args[1] << QString();
    StrListLog << QStringLiteral("Name") << QStringLiteral("Handle") << QString();
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
    PlacementRecord::write(batch, QStringLiteral("FormMain"), state, QRect(pos(), size()));
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
    StrListDropName = names;
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

void TFormMain::openFileDialog()
{
    OpenFileRequest request;
    request.filter = QStringLiteral("Text(*.txt;*.ini;*js;*.his;*.csv)|*.txt;*.ini;*js;*.his;*.csv|"
                                    "Java(*.java;*.xml)|*.java;*.xml|All(*.*)|*.*");
    m_settings.reload(m_ini, MainKey::LoadFolderFile);
    request.initialPath = m_settings.loadFolderFile;
    QString name;
    if (MessageService::dialogs().openFile(this, request, &name)) {
        if (name.isEmpty()) {
            showMessage(MainMessages::noFileName());
        } else {
            m_settings.loadFolderFile = name;
            m_settings.save(m_ini, MainKey::LoadFolderFile);
            StrLoadFileName = QFileInfo(name).absoluteFilePath();
            SetLoadIndexFromMenu();
            LoadFile();
        }
    }
    MemoStatus();
    refreshLineCountPanel();
}

void TFormMain::SetLoadIndexFromMenu()
{
    IntLoadCharIndex = m_settings.checkedReadSetting();
    StrLoadChar = charCodeName(IntLoadCharIndex, BoolJapanese);
    setPanel(4, StrLoadChar);
    StrLoadReturn = lineEndName(LineEndCrLf, BoolJapanese);
    IntLoadCrLfIndex = 0;
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
    const LoadedText loaded = TextLoader::load(path, IntLoadCharIndex, copyPath);
    const LoadOutcome outcome = LoadOutcome::of(loaded, path);
    if (outcome.kind == LoadOutcome::Kind::Missing) {
        showMessage(*outcome.message);
        return;
    }
    if (outcome.kind == LoadOutcome::Kind::Refused) {
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
    IntLoadCrLfIndex = IntReadReturn1;
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

    applyLoadedText(loaded);
    BoolFileReadOnly = outcome.readOnly;
    refreshReadOnlyPanel();
    setPanel(4, StrLoadChar);
    setPanel(5, StrLoadReturn);
    setPanel(6, QString());
    Memo1->setTabStopDialogUnits(TabStops);
    Timers[1]->start();
    refreshLineCountPanel();
    MemoStatus();
    m_binary->loadFinished();
}

void TFormMain::LoadFileSecondTime()
{
    if (StrLoadFileName.isEmpty())
        return;
    const LoadedText loaded = TextLoader::reload(StrLoadFileName, IntReadEncode1, BoolUnKnownCharCode);
    if (!loaded.ok()) {
        if (const auto message = LoadOutcome::of(loaded, StrLoadFileName).message)
            showMessage(*message);
        return;
    }
    applyLoadedText(loaded);
    Memo1->setTabStopDialogUnits(TabStops);
    refreshLineCountPanel();
    MemoStatus();
}

void TFormMain::applyLoadedText(const LoadedText &loaded)
{
    StrListLoadFileTmp = loaded.buffer ? loaded.buffer : std::make_shared<const TextBuffer>();
    Memo1->setBuffer(StrListLoadFileTmp);
    Memo1->setCaretPosition(0);
    afterTextLoaded();
}

MessageAnswer TFormMain::showMessage(const MessageText &text, MessageButtons buttons)
{
    return showMessage(text.japanese, text.english, buttons);
}

void TFormMain::leaveLineNumberSelection()
{
    BoolLineNumberSelect = false;
    refreshReadOnlyPanel();
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
        setPanel(0, StrSearchValue);
}

void TFormMain::setTitle()
{
    setWindowTitle(StrLoadFileName.isEmpty() ? QStringLiteral(" - Quillon")
                                             : QDir::toNativeSeparators(StrLoadFileName) + QStringLiteral(" - Quillon"));
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
    const int current = m_settings.checkedReadSetting();
    if (QAction *a = commandAction(readSettingCodes[current]))
        a->setChecked(true);
    const bool closeKeys[] = {m_settings.closeEsc, m_settings.closeEnter, m_settings.closeQ, m_settings.closeX};
    for (int i = 0; i < 4; ++i) {
        if (QAction *a = commandAction(closeKeyCodes[i]))
            a->setChecked(closeKeys[i]);
    }
    syncViewCheckMarks();
}

void TFormMain::registerFileCommands()
{
    constexpr auto textOnly = WhileDump::StandsStill;
    registerCommand(u"1001", [this] { openFileDialog(); }, textOnly);
    registerCommand(u"1031", [this] { close(); });
    for (int i = 0; i <= 10; ++i)
        registerCommand(readSettingCodes[i], [this, i] { setReadSetting(i); }, textOnly);
    for (int i = 0; i < 4; ++i)
        registerCommand(closeKeyCodes[i], [this, i] { toggleCloseKey(i); }, textOnly);
    registerCommand(u"1902", [this] { showMinimized(); });
    registerCommand(u"1903", [this] { showNormal(); });
    registerCommand(u"1904", [this] { showMaximized(); });
}

void TFormMain::setReadSetting(int number)
{
    const int current = m_settings.checkedReadSetting();
    if (number == current) {
        // The menu checked the item itself: put the check back where it was.
        if (QAction *a = commandAction(readSettingCodes[current]))
            a->setChecked(true);
        return;
    }
    m_settings.setReadSetting(number);
    if (QAction *a = commandAction(readSettingCodes[number]))
        a->setChecked(true);
    SetLoadIndexFromMenu();
    if (!StrLoadFileName.isEmpty())
        LoadFile();
}

void TFormMain::toggleCloseKey(int index)
{
    QAction *a = commandAction(closeKeyCodes[index]);
    bool *const flags[] = {&m_settings.closeEsc, &m_settings.closeEnter, &m_settings.closeQ, &m_settings.closeX};
    const MainKey keys[] = {MainKey::CloseEsc, MainKey::CloseEnter, MainKey::CloseQ, MainKey::CloseX};
    bool *flag = flags[index];
    *flag = !*flag;
    if (a)
        a->setChecked(*flag);
    m_settings.save(m_ini, keys[index]);
}

bool TFormMain::handleExitKey(QKeyEvent *event)
{
    // Only a key with no modifier at all (Shift+Esc does not close).
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier || event->isAutoRepeat())
        return false;
    if (m_menus && m_menus->menuBarState() != MenuBarState::Normal)
        return false; // the search menu or the dummy menu is active
    bool close = false;
    switch (event->key()) {
    case Qt::Key_Escape:
        close = m_settings.closeEsc;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close = m_settings.closeEnter && !ComboBoxSearch->hasFocus() && QApplication::focusWidget() != static_cast<QWidget *>(ComboBoxSearch->lineEdit());
        break;
    case Qt::Key_Q:
        close = m_settings.closeQ;
        break;
    case Qt::Key_X:
        close = m_settings.closeX;
        break;
    default:
        return false;
    }
    if (!close)
        return false;
    closeViewer();
    return true;
}

void TFormMain::closeViewer()
{
    // The find dialog, when it is up, closes first (it arrives with searching).
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TFormMain::onTimer(int index)
{
    QTimer *t = Timers[size_t(index)];
    if (t->isSingleShot())
        t->stop();
    switch (index) {
    case 1:
        // The reading position is restored here once history is kept.
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
    default:
        break;
    }
}

} // namespace quillon
