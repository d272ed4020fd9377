#include "TFormFindAll.h"

#include "KeyTextMenu.h"

#include "AppPaths.h"
#include "FindAllHandOff.h"
#include "FindAllHost.h"
#include "FindAllKeyMap.h"
#include "FindAllList.h"
#include "FindAllMessages.h"
#include "FindAllNumberSource.h"
#include "FolderSearchRunner.h"
#include "KeyMapStartup.h"
#include "KeyText.h"
#include "LineNumberSource.h"
#include "MainMessages.h"
#include "SearchEngine.h"
#include "StatusPanels.h"
#include "TFormFind.h"
#include "TMemoExDark.h"
#include "TextBufferSource.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace quillon {

namespace {

// The window's settings keys, each with its default, written once.
const QString kFindAll = QStringLiteral("FindAll");
const QString kFindFileAll = QStringLiteral("FindFileAll");
const QString kMarkKeys[4] = {QStringLiteral("CrLf"), QStringLiteral("EOF"), QStringLiteral("Tab"),
                              QStringLiteral("DBCS")};
const QString kShowButton = QStringLiteral("ShowButton");
const QString kEditor = QStringLiteral("Editor");
const QString kLineZero = QStringLiteral("LineZero");   // 1
const QString kLineWidth = QStringLiteral("LineWidth"); // 80
const QString kJump = QStringLiteral("Jump");           // 1
const QString kStatusBar = QStringLiteral("StatusBar");
const QString kOptions = QStringLiteral("Options");
const QString kSearchWord = QStringLiteral("SearchWord");
const QString kParent = QStringLiteral("Parent");
const QString kFormFind = QStringLiteral("FormFind");
const QString kFormViewGrid = QStringLiteral("FormViewGrid");
const QString kFormKeyBoard = QStringLiteral("FormKeyBoard");
const QString kCsv = QStringLiteral("Csv");
const QString kSeparater = QStringLiteral("Separater");

constexpr int MinWidth = 800;
constexpr int MinHeight = 480;

QString J(const char16_t *s) { return QString::fromUtf16(s); }

struct ButtonInfo {
    int tag;
    const char *name;
    const char16_t *caption;
};
constexpr ButtonInfo kButtons[] = {
    {2201, "ButtonSearchAll", u"一括検索(&A)"},        {2202, "ButtonSearchFileAll", u"複数ファイル一括検索(&B)"},
    {2203, "ButtonSearchWord", u"検索(&F)"},           {2204, "ButtonViewGrid", u"グリッド形式で表示(&L)"},
    {2205, "ButtonPageUp", u"前ﾍﾟｰｼﾞ(&R)"},            {2206, "ButtonPageDown", u"次ﾍﾟｰｼﾞ(&E)"},
    {2207, "ButtonSearchPrev", u"前を検索(&P)"},       {2208, "ButtonSearchNext", u"次を検索(&N)"},
    {2209, "ButtonClose", u"閉じる(&C)"},
};
// The command each button runs.
const char16_t *buttonCommand(int tag)
{
    switch (tag) {
    case 2201: return u"1104";
    case 2202: return u"1105";
    case 2203: return u"1101";
    case 2204: return u"1001";
    case 2205: return u"1203";
    case 2206: return u"1204";
    case 2207: return u"1103";
    case 2208: return u"1102";
    default: return u"1002";
    }
}

} // namespace

TFormFindAll::TFormFindAll(FindAllHost *host, QWidget *parent)
    : PlacedDialog(QStringLiteral("FormFindAll"), QStringLiteral("FindAll.txt"), host->japanese(), parent)
    , m_host(host)
{
    setWindowTitle(J(u"一括検索"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setMinimumSize(MinWidth, MinHeight);
    resize(MinWidth, MinHeight);
    StrParentForm = m_ini.readString(kFormFind, kParent, QStringLiteral("Main"));
    createControls();
    createMenus();
    applyLook();
    for (int i = 0; i < 4; ++i)
        m_marks[i] = m_ini.readBool(kFindAll, kMarkKeys[i], false);
    setMarks();
    setShowButton(m_ini.readBool(kFindAll, kShowButton, false));
    updateCommandStates();
}

TFormFindAll::~TFormFindAll()
{
    if (m_findConnection)
        disconnect(m_findConnection);
}

void TFormFindAll::createControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    layout->setMenuBar(MainMenu);

    StatusBarTop = new StatusPanels(this);
    StatusBarTop->setObjectName(QStringLiteral("StatusBarTop"));
    layout->addWidget(StatusBarTop);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(0);
    MemoLineNumber = new TMemoExDark(this);
    MemoLineNumber->setObjectName(QStringLiteral("MemoLineNumber"));
    MemoLineNumber->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoLineNumber->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoLineNumber->setFocusPolicy(Qt::NoFocus);
    Memo1 = new TMemoExDark(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    middle->addWidget(MemoLineNumber);
    middle->addWidget(Memo1, 1);
    layout->addLayout(middle, 1);

    // Shown only while the multi-file search runs.
    PanelProgress = new QWidget(this);
    PanelProgress->setObjectName(QStringLiteral("PanelProgress"));
    auto *progress = new QHBoxLayout(PanelProgress);
    progress->setContentsMargins(4, 2, 4, 2);
    LabelProgress = new QLabel(PanelProgress);
    ProgressBar = new QProgressBar(PanelProgress);
    ProgressBar->setTextVisible(false);
    ButtonStop = new QPushButton(BoolJapanese ? J(u"中止(&S)") : QStringLiteral("&Stop"), PanelProgress);
    ButtonStop->setObjectName(QStringLiteral("ButtonStop"));
    progress->addWidget(LabelProgress);
    progress->addWidget(ProgressBar, 1);
    progress->addWidget(ButtonStop);
    PanelProgress->hide();
    layout->addWidget(PanelProgress);
    connect(ButtonStop, &QPushButton::clicked, this, [this] { stopSearch(); });

    StatusBarBottom = new StatusPanels(this);
    StatusBarBottom->setObjectName(QStringLiteral("StatusBarBottom"));
    layout->addWidget(StatusBarBottom);

    PanelButton = new QWidget(this);
    PanelButton->setObjectName(QStringLiteral("PanelButton"));
    auto *buttons = new QHBoxLayout(PanelButton);
    buttons->setContentsMargins(4, 4, 4, 4);
    for (const ButtonInfo &b : kButtons) {
        auto *button = new QPushButton(J(b.caption), PanelButton);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setProperty("tag", b.tag);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(button);
        m_buttons.insert(b.tag, button);
        const QString code = QStringView(buttonCommand(b.tag)).toString();
        connect(button, &QPushButton::clicked, this, [this, code] { runCommand(code); });
    }
    layout->addWidget(PanelButton);

    PopupMenu = new KeyTextMenu(QString(), this);
    QAction *copy = PopupMenu->addAction(J(u"コピー(&C)"), this, [this] { copySelection(); });
    copy->setObjectName(QStringLiteral("PopupCopy"));
    copy->setProperty("tag", 1981);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C)); // shown; the list takes the key itself
    QAction *all = PopupMenu->addAction(J(u"全て選択(&L)"), this, [this] { selectAll(); });
    all->setObjectName(QStringLiteral("PopupSelectAll"));
    all->setProperty("tag", 1982);
    all->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        const bool hasText = Memo1->length() > 0;
        PopupMenu->actions().at(0)->setEnabled(Memo1->hasSelection());
        PopupMenu->actions().at(1)->setEnabled(hasText);
        PopupMenu->popup(Memo1->mapToGlobal(p));
    });

    // The number column follows the list's scrolling at once.
    connect(Memo1, &TMemoExDark::vScrolled, this, [this] { syncNumbers(); });
    for (QObject *o : {static_cast<QObject *>(Memo1), static_cast<QObject *>(Memo1->viewport()),
                       static_cast<QObject *>(MemoLineNumber->viewport())})
        o->installEventFilter(this);

    Timer2 = new QTimer(this);
    Timer2->setSingleShot(true);
    Timer2->setInterval(200);
    connect(Timer2, &QTimer::timeout, this, [this] { runCommand(fileMode() ? u"1105" : u"1104"); });
    Timer3 = new QTimer(this);
    Timer3->setSingleShot(true);
    Timer3->setInterval(300);
    connect(Timer3, &QTimer::timeout, this, [this] { message(FindAllMessages::keyMapReset()); });
}

QAction *TFormFindAll::addCommand(QMenu *menu, QStringView code, std::function<void()> handler, bool checkable)
{
    const FindAllCommand *c = FindAllKeyMap::command(code);
    QAction *a = menu->addAction(QStringView(c->caption).toString());
    a->setObjectName(QString::fromLatin1(c->menuItem));
    a->setProperty("tag", code.toInt());
    a->setCheckable(checkable);
    connect(a, &QAction::triggered, this, std::move(handler));
    m_actions.insert(code.toString(), a);
    return a;
}

void TFormFindAll::createMenus()
{
    auto top = [this](int tag, const char *name, const char16_t *caption) {
        QMenu *m = new KeyTextMenu(J(caption), MainMenu);
        MainMenu->addMenu(m);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setProperty("tag", tag);
        return m;
    };
    QMenu *file = top(1000, "MenuFile", u"ファイル(&F)");
    addCommand(file, u"1001", [this] { viewGrid(); });
    file->addSeparator();
    addCommand(file, u"1002", [this] { close(); });

    QMenu *search = top(1100, "MenuSearch", u"検索(&S)");
    addCommand(search, u"1101", [this] { findCommand(); });
    addCommand(search, u"1102", [this] { searchList(true); });
    addCommand(search, u"1103", [this] { searchList(false); });
    search->addSeparator();
    addCommand(search, u"1104", [this] { findAll(); });
    addCommand(search, u"1105", [this] { findFileAll(); });

    QMenu *move = top(1200, "MenuMove", u"移動(&M)");
    addCommand(move, u"1201", [this] {
        m_host->openJumpDialog(this, [this] {
            const int n = m_ini.readInteger(kEditor, kJump, 1);
            moveTo(std::clamp(n - 1, 0, Memo1->lineCount() - 1));
        });
    });
    addCommand(move, u"1202", [this] { moveTo(0); });
    addCommand(move, u"1203", [this] { moveTo(std::max(0, caretLine() - m_host->pageAmount())); });
    addCommand(move, u"1204",
               [this] { moveTo(std::min(Memo1->lineCount() - 1, caretLine() + m_host->pageAmount())); });
    addCommand(move, u"1205", [this] { moveTo(Memo1->lineCount() - 1); });

    QMenu *view = top(1300, "MenuView", u"表示(&V)");
    addCommand(view, u"1301", [this] { toggleMark(0); }, true);
    addCommand(view, u"1302", [this] { toggleMark(1); }, true);
    addCommand(view, u"1303", [this] { toggleMark(2); }, true);
    addCommand(view, u"1304", [this] { toggleMark(3); }, true);

    QMenu *common = top(1400, "MenuCommon", u"共通(&O)");
    addCommand(common, u"1401", [this] { openKeyboard(); });
    addCommand(common, u"1402", [this] { setShowButton(!m_showButton); }, true);

    QMenu *edit = top(1500, "MenuEdit", u"編集(&E)");
    addCommand(edit, u"1501", [this] { copySelection(); });
    addCommand(edit, u"1502", [this] { selectAll(); });
}

QAction *TFormFindAll::commandAction(QStringView code) const
{
    return m_actions.value(code.toString(), nullptr);
}

void TFormFindAll::runCommand(QStringView code)
{
    QAction *a = commandAction(code);
    if (a && a->isEnabled())
        a->trigger();
}

QPushButton *TFormFindAll::button(int tag) const
{
    return m_buttons.value(tag, nullptr);
}

void TFormFindAll::applyLook()
{
    // The list looks like the main window's text, the numbers like its line numbers.
    if (const TMemoExDark *text = m_host->textView()) {
        Memo1->setFont(text->font());
        Memo1->setTextColor(text->textColor());
        Memo1->setBackgroundColor(text->backgroundColor());
        Memo1->setDarkMode(text->darkMode());
        Memo1->setDarkBackColor(text->darkBackColor());
        Memo1->setShiftRet(text->shiftRet());
        Memo1->setShiftEof(text->shiftEof());
        Memo1->setShiftTab(text->shiftTab());
        Memo1->setShiftDBCS(text->shiftDBCS());
        for (auto kind : {MarkLayout::Kind::Eof, MarkLayout::Kind::CrLf, MarkLayout::Kind::Tab, MarkLayout::Kind::Space})
            Memo1->EditMarks()->mark(kind)->setColor(text->EditMarks()->mark(kind)->color());
        Memo1->setTabStopDialogUnits(text->tabStopDialogUnits());
    }
    if (const TMemoExDark *numbers = m_host->lineNumberView()) {
        MemoLineNumber->setFont(numbers->font());
        MemoLineNumber->setTextColor(numbers->textColor());
        MemoLineNumber->setBackgroundColor(numbers->backgroundColor());
        MemoLineNumber->setDarkMode(numbers->darkMode());
        MemoLineNumber->setDarkBackColor(numbers->darkBackColor());
    }
}

void TFormFindAll::setMarks()
{
    const MarkLayout::Kind kinds[4] = {MarkLayout::Kind::CrLf, MarkLayout::Kind::Eof, MarkLayout::Kind::Tab,
                                       MarkLayout::Kind::Space};
    for (int i = 0; i < 4; ++i) {
        Memo1->EditMarks()->mark(kinds[i])->setEnabled(m_marks[i]);
        if (QAction *a = commandAction(QString::number(1301 + i)))
            a->setChecked(m_marks[i]);
    }
}

void TFormFindAll::toggleMark(int index)
{
    m_marks[index] = !m_marks[index];
    setMarks();
}

void TFormFindAll::setShowButton(bool on)
{
    m_showButton = on;
    PanelButton->setVisible(on);
    commandAction(u"1402")->setChecked(on);
    m_ini.writeBool(kFindAll, kShowButton, on);
}

void TFormFindAll::updateCommandStates()
{
    const bool running = searching();
    const bool file = fileMode();
    auto enable = [this](QStringView code, bool on) {
        commandAction(code)->setEnabled(on);
        for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
            if (code == QStringView(buttonCommand(it.key())))
                it.value()->setEnabled(on);
        }
    };
    enable(u"1104", !file && !running);
    enable(u"1105", file && !running);
    enable(u"1101", !running);
    // Opened only when the program has the window to open.
    enable(u"1001", m_host->gridAvailable() && !running);
    enable(u"1401", m_host->keyboardDialogAvailable() && !running);
}

void TFormFindAll::shown()
{
    if (!m_firstShow)
        return;
    m_firstShow = false;
    // The key map: compared with the catalogue, replaced when its codes
    // differ, then read and applied.
    const KeyMapReconciliation r = FindAllKeyMap::reconcile();
    BoolKeyMapSame = r.BoolKeyMapSame;
    if (r.writeFailed())
        message(FindAllMessages::notWritten(FindAllKeyMap::keyMapPath(), r.writeResult.error));
    applyKeyMap();

    MemoLineNumber->setFixedWidth(std::max(0, m_ini.readInteger(kEditor, kLineWidth, 80)));
    // The list's horizontal scroll bar takes room the number column does not
    // have: the same margin keeps their last lines level.
    MemoLineNumber->setTextMargins(QMargins(Memo1->textMargins().left(), Memo1->textMargins().top(),
                                            MemoLineNumber->textMargins().right(),
                                            Memo1->textMargins().bottom()
                                                + Memo1->horizontalScrollBar()->sizeHint().height()));
    StatusBarTop->setVisible(m_ini.readBool(kStatusBar, QStringLiteral("PositionTop"), true));
    StatusBarBottom->setVisible(m_ini.readBool(kStatusBar, QStringLiteral("PositionBottom"), true));
    layoutStatus();
    m_host->applyLanguage(this, QStringLiteral("FindAll.txt"));
    Memo1->setFocus();
    refreshStatus();
    if (BoolKeyMapSame)
        Timer2->start();
    else if (!r.writeFailed())
        Timer3->start();
}

void TFormFindAll::applyKeyMap()
{
    const QStringList map = KeyMapStartup::loadOrWrite(FindAllKeyMap::keyMapPath(), FindAllKeyMap::InitKeyMap(0));
    for (const FindAllCommand &c : FindAllKeyMap::commands()) {
        if (const std::optional<ShortCutValue> key = FindAllKeyMap::keyOf(map, QStringView(c.code))) {
            commandAction(QStringView(c.code))
                ->setShortcut(*key ? QKeySequence(KeyText::toKeyCombination(*key)) : QKeySequence());
        }
    }
}

void TFormFindAll::done(int result)
{
    // Closing the window drops a running search; nothing is shown for it.
    if (m_job) {
        m_job->cancel();
        m_job.reset();
    }
    if (m_findConnection) {
        disconnect(m_findConnection);
        if (TFormFind *find = m_host->findDialog(); find && find->isVisible())
            find->closeFind();
    }
    for (int i = 0; i < 4; ++i)
        m_ini.writeBool(kFindAll, kMarkKeys[i], m_marks[i]);
    PlacedDialog::done(result);
    if (QWidget *p = parentWidget())
        p->activateWindow();
}

void TFormFindAll::resizeEvent(QResizeEvent *event)
{
    PlacedDialog::resizeEvent(event);
    layoutStatus();
}

void TFormFindAll::layoutStatus()
{
    // Panel 0 takes what the others leave: 100, 100, 100, 180, 120, 100.
    static constexpr std::array<int, StatusPanels::PanelCount> widths = {0, 100, 100, 100, 180, 120, 100};
    for (StatusPanels *bar : {StatusBarTop, StatusBarBottom})
        bar->layoutPanels(width(), widths, 700);
}

void TFormFindAll::keyPressEvent(QKeyEvent *event)
{
    // Esc stops a running search before it closes the window.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && searching()) {
        stopSearch();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() != Qt::NoModifier)
        return;
    PlacedDialog::keyPressEvent(event);
}

bool TFormFindAll::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == MemoLineNumber->viewport() && event->type() == QEvent::MouseButtonPress) {
        Memo1->setFocus();
        return true;
    }
    if (watched == Memo1 && event->type() == QEvent::KeyRelease) {
        Info.Start = qint32(Memo1->selectionStart());
        Info.Length = qint32(Memo1->selectionLength());
        refreshStatus();
    }
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonRelease)
        refreshStatus();
    if (watched == Memo1->viewport() && event->type() == QEvent::MouseButtonDblClick && fileMode()) {
        // After the view's own handling of the click.
        QMetaObject::invokeMethod(this, [this] { doubleClicked(); }, Qt::QueuedConnection);
    }
    return PlacedDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------- searching

void TFormFindAll::askWord(const QString &mode, std::function<void()> onOk)
{
    TFormFind *find = m_host->findDialog();
    if (!find)
        return;
    if (find->isVisible())
        find->closeFind();
    m_ini.writeString(kFormFind, kParent, mode);
    if (m_findConnection)
        disconnect(m_findConnection);
    m_findConnection = connect(find, &QDialog::finished, this, [this, onOk = std::move(onOk)](int result) {
        disconnect(m_findConnection);
        m_findConnection = {};
        activateWindow();
        Memo1->setFocus();
        if (result == QDialog::Accepted)
            onOk();
    });
    find->showFind();
}

int TFormFindAll::lineZero() const
{
    return m_ini.readInteger(kEditor, kLineZero, 1);
}

void TFormFindAll::setStatusWord()
{
    StatusBarTop->setPanelText(0, StrSearchValue);
    StatusBarBottom->setPanelText(0, StrSearchValue);
}

void TFormFindAll::findAll()
{
    askWord(kFindAll, [this] {
        const int zero = lineZero();
        StrSearchValue = m_ini.readString(kOptions, kSearchWord);
        setStatusWord();
        const TSearchOptions options = SetOptions(m_ini, 1);
        const TMemoExDark *text = m_host->textView();
        // The lines as the main window shows them: display lines when it wraps.
        const bool wrapped = text->wrapMode() != TMemoExDark::WrapMode::NoWrap;
        const LineSource &source = *text->source();
        const FindAllList found = FindAllLines(
            wrapped ? text->lineCount() : source.lineCount(),
            [&](int i, QString &scratch) -> QStringView {
                if (!wrapped)
                    return source.line(i, scratch);
                scratch = text->lineText(i);
                return scratch;
            },
            StrSearchValue, options);
        if (found.error.isError()) {
            message({found.error.japanese(), found.error.english()});
            return;
        }
        Info = {};
        showList(std::make_shared<FindAllNumberSource>(found.numbers, zero),
                 std::make_shared<TextBufferSource>(found.lines));
        m_listCount = found.count();
        Memo1->setFocus();
        searchList(true);
        refreshStatus();
        message(FindAllMessages::searchDone());
    });
}

void TFormFindAll::findFileAll()
{
    askWord(kFindFileAll, [this] {
        StrSearchValue = m_ini.readString(kOptions, kSearchWord);
        setStatusWord();
        const QString loaded = m_host->loadedFileName();
        if (loaded.isEmpty())
            return;
        startFileSearch(FolderSearch::listFiles(loaded), SetOptions(m_ini, 1));
    });
}

void TFormFindAll::startFileSearch(const QStringList &files, TSearchOptions options)
{
    m_collected = FolderSearchCollector();
    m_fileError = {};
    m_fileWord = StrSearchValue;
    m_fileOptions = options;
    m_fileCount = int(files.size());
    m_job = std::make_unique<FolderSearchJob>(files, StrSearchValue, options);
    connect(m_job.get(), &FolderSearchJob::ready, this, [this] { takeFileOutcomes(); }, Qt::QueuedConnection);
    ProgressBar->setRange(0, std::max(1, m_fileCount));
    ProgressBar->setValue(0);
    LabelProgress->setText(FindAllMessages::progress(0, m_fileCount, 0, BoolJapanese));
    ButtonStop->setText(BoolJapanese ? J(u"中止(&S)") : QStringLiteral("&Stop"));
    PanelProgress->show();
    updateCommandStates();
    m_job->start();
}

void TFormFindAll::takeFileOutcomes()
{
    // A question of the run is open: its answer decides what comes next.
    if (!m_job || m_asking)
        return;
    bool asked = false;
    for (FolderFileOutcome &outcome : m_job->take()) {
        if (m_collected.stopped || m_collected.limitReached || m_fileError.isError())
            break;
        if (outcome.error.isError()) {
            m_fileError = outcome.error;
            break;
        }
        if (outcome.status == FolderFileOutcome::Status::CannotRead) {
            ++m_collected.filesDone;
            asked = true;
            m_asking = true;
            message(FolderSearch::skipMessage(outcome));
            const MessageText q = FolderSearch::continueQuestion();
            const bool goOn = m_host->message(q.japanese, q.english, MessageButtons::YesNo) == MessageAnswer::Yes;
            m_asking = false;
            if (!m_job) // the window was closed meanwhile
                return;
            if (!goOn) {
                m_collected.stopped = true;
                break;
            }
            continue;
        }
        m_collected.add(outcome);
    }
    if (!m_job)
        return;
    ProgressBar->setValue(m_collected.filesDone);
    LabelProgress->setText(
        FindAllMessages::progress(m_collected.filesDone, m_fileCount, int(m_collected.lines.size()), BoolJapanese));
    if (m_collected.stopped || m_collected.limitReached || m_fileError.isError() || m_job->finished())
        finishFileSearch();
    else if (asked) // what came while the question was open (its ready() found the run busy)
        QMetaObject::invokeMethod(this, [this] { takeFileOutcomes(); }, Qt::QueuedConnection);
}

void TFormFindAll::stopSearch()
{
    if (!m_job)
        return;
    m_collected.stopped = true;
    m_job->cancel();
    // Outcomes of the files already delivered are kept; nothing further is taken.
    finishFileSearch();
}

void TFormFindAll::finishFileSearch()
{
    std::unique_ptr<FolderSearchJob> job = std::move(m_job);
    job->cancel();
    job.reset(); // waits for the worker threads
    PanelProgress->hide();
    updateCommandStates();
    if (m_fileError.isError()) {
        // As an expression error ends any command: the list stays as it was.
        message({m_fileError.japanese(), m_fileError.english()});
        return;
    }
    const QString path = AppPaths::besideProgram(FolderSearch::resultFileName());
    const WriteResult w = Utf16TextFile::writeLines(path, m_collected.lines);
    if (!w.ok)
        message(FindAllMessages::notWritten(path, w.error));
    const int count = int(m_collected.lines.size());
    showList(std::make_shared<LineNumberSource>(count, lineZero()),
             std::make_shared<TextBufferSource>(joinLines(m_collected.lines)));
    m_listCount = count;
    refreshStatus();
    if (m_collected.limitReached)
        message(FolderSearch::limitMessage());
    if (m_collected.stopped)
        message(FolderSearch::stoppedMessage());
}

void TFormFindAll::showList(std::shared_ptr<const LineSource> numbers, std::shared_ptr<const LineSource> lines)
{
    MemoLineNumber->setSource(std::move(numbers));
    Memo1->setSource(std::move(lines));
    IntTopLineMemo = 0;
    syncNumbers();
}

bool TFormFindAll::listEmpty() const
{
    return Memo1->length() == 0 || MemoLineNumber->length() == 0;
}

void TFormFindAll::findCommand()
{
    m_ini.writeString(kOptions, kSearchWord, StrSearchValue);
    askWord(kFindAll, [this] {
        StrSearchValue = m_ini.readString(kOptions, kSearchWord);
        searchList(true);
    });
}

void TFormFindAll::searchList(bool next)
{
    if (listEmpty()) {
        message(FindAllMessages::textEmpty());
        return;
    }
    if (StrSearchValue.isEmpty()) {
        message(MainMessages::noSearchWord());
        return;
    }
    setStatusWord();
    const TSearchOptions options = SetOptions(m_ini, next ? 1 : 0);
    const QString text = Memo1->textRange(0, Memo1->length());
    TSearchInfo info;
    SearchResult r;
    if (next) {
        // The list is one decoded buffer: its positions fit 32 bits.
        info.Start = qint32(Memo1->selectionStart() + Memo1->selectionLength() + 1);
        r = SearchForward(text, info, StrSearchValue, int(Memo1->length()), options);
    } else {
        info.Start = qint32(Memo1->selectionStart());
        r = SearchBackward(text, info, StrSearchValue, options);
    }
    if (r.failed()) {
        message({r.error.japanese(), r.error.english()});
    } else if (r) {
        Info = info;
        Memo1->setSelection(info.Start, info.Length);
        Memo1->ensureCaretVisible();
    } else {
        message(MainMessages::searchNotFound(StrSearchValue));
    }
    Memo1->setFocus();
    refreshStatus();
}

// ---------------------------------------------------------------- moving and the rest

int TFormFindAll::caretLine() const
{
    return Memo1->lineFromPosition(Memo1->caretPosition());
}

void TFormFindAll::moveTo(int targetLine)
{
    const int last = Memo1->lineCount() - 1;
    targetLine = std::clamp(targetLine, 0, std::max(0, last));
    Memo1->scrollLines(targetLine - caretLine());
    Memo1->setCaretPosition(std::max<TextPos>(0, Memo1->lineStart(targetLine)));
    Memo1->ensureCaretVisible();
    Memo1->setFocus();
    refreshStatus();
}

bool TFormFindAll::writeHandOffFile()
{
    const QString separator = m_ini.readString(kCsv, kSeparater, FindAllHandOff::defaultSeparator());
    const QString path = AppPaths::besideProgram(FindAllHandOff::fileName());
    const WriteResult w = FindAllHandOff::write(path, *MemoLineNumber->source(), *Memo1->source(), separator);
    if (!w.ok)
        message(FindAllMessages::notWritten(path, w.error));
    return w.ok;
}

void TFormFindAll::viewGrid()
{
    if (listEmpty()) {
        message(FindAllMessages::textEmpty());
        return;
    }
    if (!writeHandOffFile())
        return;
    m_ini.writeString(kFormViewGrid, kParent, kFindAll);
    m_host->openGrid(this);
}

void TFormFindAll::openKeyboard()
{
    m_ini.writeString(kFormKeyBoard, kParent, kFindAll);
    m_host->openKeyboardDialog(this, [this] { applyKeyMap(); });
}

void TFormFindAll::copySelection()
{
    if (Memo1->hasSelection())
        Memo1->copy();
}

void TFormFindAll::selectAll()
{
    if (Memo1->length() > 0)
        Memo1->selectAll();
    refreshStatus();
}

void TFormFindAll::doubleClicked()
{
    if (Memo1->length() == 0)
        return;
    const int line = caretLine();
    const QString text = Memo1->lineText(line);
    int start = 0, length = 0;
    if (FolderSearch::hitInResultLine(text, m_fileWord.isEmpty() ? StrSearchValue : m_fileWord,
                                      m_fileWord.isEmpty() ? SetOptions(m_ini, 1) : m_fileOptions, &start,
                                      &length))
        Memo1->setSelection(Memo1->lineStart(line) + start, length);
    refreshStatus();
}

void TFormFindAll::syncNumbers()
{
    const int top = Memo1->firstVisibleLine();
    if (MemoLineNumber->firstVisibleLine() != top)
        MemoLineNumber->setFirstVisibleLine(top);
    IntTopLineMemo = top;
}

void TFormFindAll::refreshStatus()
{
    const TextPos pos = Memo1->caretPosition();
    const int line = Memo1->lineFromPosition(pos);
    const QString where = QString::number(line + 1) + J(u"行,") + QString::number(pos - Memo1->lineStart(line) + 1)
        + J(u"桁");
    const QString count = QString::number(m_listCount) + J(u"行");
    for (StatusPanels *bar : {StatusBarTop, StatusBarBottom}) {
        bar->setPanelText(1, where);
        bar->setPanelText(2, count);
    }
}

void TFormFindAll::message(const MessageText &text)
{
    m_host->message(text.japanese, text.english);
}

} // namespace quillon
