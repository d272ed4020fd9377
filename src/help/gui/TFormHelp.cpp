#include "TFormHelp.h"

#include "AppPaths.h"
#include "CommandCatalogue.h"
#include "DialogPlacement.h"
#include "IniFile.h"
#include "LanguageFile.h"
#include "LanguageSetter.h"
#include "MainMenuBuilder.h"
#include "MessageService.h"
#include "Placement.h"
#include "SearchEngine.h"
#include "TMemoExDark.h"
#include "Utf16TextFile.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace quillon {

namespace {
const QString kSection = QStringLiteral("FormHelp");
constexpr int kExitTag = 1003;
} // namespace

TFormHelp::TFormHelp(bool japanese, HelpFile::Kind first, QWidget *parent)
    : PlacedDialog(QStringLiteral("FormHelp"), QStringLiteral("Help.txt"), japanese, parent, Placing::BySelf)
    , m_kind(first)
{
    setWindowTitle(QString::fromUtf16(u"ヘルプ表示"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setMinimumSize(DefaultWidth, DefaultHeight);

    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    QMenu *file = MainMenu->addMenu(QString::fromUtf16(u"ファイル(&F)"));
    file->setObjectName(QStringLiteral("MenuFile"));
    file->menuAction()->setProperty("tag", 1000);
    addItem(file, u"ヘルプ表示(&V)", "MenuShowHelp", 1001);
    addItem(file, u"ヘルプ表示(CSV)(&Y)", "MenuShowHelpCsv", 1002);
    file->addSeparator();
    addItem(file, u"終了(&Q && &X)", "MenuClose", kExitTag);
    QMenu *search = MainMenu->addMenu(QString::fromUtf16(u"検索(&S)"));
    search->setObjectName(QStringLiteral("MenuSearch"));
    search->menuAction()->setProperty("tag", 1100);
    addItem(search, u"検索(&F)...", "MenuSearchWord", 1101);
    addItem(search, u"次を検索(&N)", "MenuSearchNext", 1102);
    addItem(search, u"前を検索(&P)", "MenuSearchPrev", 1103);
    connect(item(1001), &QAction::triggered, this, [this] { showHelp(HelpFile::Kind::General); });
    connect(item(1002), &QAction::triggered, this, [this] { showHelp(HelpFile::Kind::Grid); });
    connect(item(kExitTag), &QAction::triggered, this, &QDialog::reject);
    connect(item(1101), &QAction::triggered, this, &TFormHelp::openFind);
    connect(item(1102), &QAction::triggered, this, &TFormHelp::findNext);
    connect(item(1103), &QAction::triggered, this, &TFormHelp::findPrevious);

    MemoHelp = new TMemoExDark(this);
    MemoHelp->setObjectName(QStringLiteral("MemoHelp"));
    MemoHelp->setWrapMode(TMemoExDark::WrapMode::NoWrap);
    MemoHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoHelp->setFocusPolicy(Qt::ClickFocus); // out of the tab order
    MemoHelp->setTabStopDialogUnits(16);      // four average character widths

    PanelFind = new QWidget(this);
    PanelFind->setObjectName(QStringLiteral("PanelFind"));
    auto *findRow = new QHBoxLayout(PanelFind);
    findRow->setContentsMargins(4, 2, 4, 2);
    auto *label = new QLabel(QString::fromUtf16(u"検索語(&W)"), PanelFind);
    label->setObjectName(QStringLiteral("LabelFind"));
    label->setProperty("tag", 2001);
    EditFind = new QLineEdit(PanelFind);
    EditFind->setObjectName(QStringLiteral("EditFind"));
    label->setBuddy(EditFind);
    ButtonFindNext = new QPushButton(QString::fromUtf16(u"次を検索"), PanelFind);
    ButtonFindNext->setObjectName(QStringLiteral("ButtonFindNext"));
    ButtonFindNext->setProperty("tag", 2201);
    ButtonFindPrev = new QPushButton(QString::fromUtf16(u"前を検索"), PanelFind);
    ButtonFindPrev->setObjectName(QStringLiteral("ButtonFindPrev"));
    ButtonFindPrev->setProperty("tag", 2202);
    for (QPushButton *b : {ButtonFindNext, ButtonFindPrev}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    findRow->addWidget(label);
    findRow->addWidget(EditFind, 1);
    findRow->addWidget(ButtonFindNext);
    findRow->addWidget(ButtonFindPrev);
    PanelFind->hide();
    connect(ButtonFindNext, &QPushButton::clicked, this, &TFormHelp::findNext);
    connect(ButtonFindPrev, &QPushButton::clicked, this, &TFormHelp::findPrevious);
    EditFind->installEventFilter(this);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setMenuBar(MainMenu);
    column->addWidget(MemoHelp, 1);
    column->addWidget(PanelFind);

    restoreGeometry();
    showHelp(first);
}

TFormHelp::~TFormHelp() = default;

TFormHelp *TFormHelp::openHelp(QWidget *parent, bool japanese, HelpFile::Kind first)
{
    auto *help = new TFormHelp(japanese, first, parent);
    help->setAttribute(Qt::WA_DeleteOnClose);
    if (parent) {
        connect(help, &QDialog::finished, parent, [parent] {
            parent->activateWindow();
            parent->setFocus();
        });
    }
    help->open();
    return help;
}

QAction *TFormHelp::addItem(QMenu *menu, const char16_t *caption, const char *name, int tag)
{
    QAction *a = menu->addAction(QString::fromUtf16(caption));
    a->setObjectName(QLatin1String(name));
    a->setProperty("tag", tag);
    return a;
}

QAction *TFormHelp::item(int tag) const
{
    for (QAction *a : MainMenu->findChildren<QAction *>()) {
        if (a->property("tag").toInt() == tag)
            return a;
    }
    return nullptr;
}

void TFormHelp::restoreGeometry()
{
    // Off the screens (or never saved with a size the screens hold): the
    // corner of the screen with the default size.
    const QSize size(DefaultWidth, DefaultHeight);
    const Placement placement = PlacementRecord::read(m_ini, kSection, size);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect virtualScreen = screen ? screen->virtualGeometry() : QRect(0, 0, 1920, 1080);
    const QRect r = PlacementRecord::restoredRect(placement, virtualScreen, size);
    move(r.topLeft());
    resize(r.size().expandedTo(minimumSize()));
}

void TFormHelp::showHelp(HelpFile::Kind kind)
{
    m_kind = kind;
    const QString path = HelpFile::path(kind, BoolJapanese);
    const HelpText help = HelpFile::load(path);
    MemoHelp->setBuffer(help.text);
    MemoHelp->setCaretPosition(0);
    if (help.status == HelpText::Status::Unreadable || help.status == HelpText::Status::NotText) {
        const MessageText text = HelpFile::message(help.status, path);
        MessageService::show(this, BoolJapanese ? text.japanese : text.english);
    }
}

void TFormHelp::shown()
{
    applyKeyMap();
    const QString language = LanguageFile::path(QStringLiteral("Help.txt"));
    LanguageSetter::apply(this, language, BoolJapanese, &m_ini, LanguageSetter::messageBox(this, BoolJapanese));
    MemoHelp->setFont(font());
    MemoHelp->setFocus();
}

void TFormHelp::applyKeyMap()
{
    const QString path = AppPaths::besideProgram(AppPaths::programName() + QStringLiteral("-KeyMap.txt"));
    const QStringList keyMap = QFileInfo::exists(path) ? Utf16TextFile::readLines(path) : QStringList();
    // The exit item takes the main window's exit key only from the file.
    if (!keyMap.isEmpty())
        MainMenuBuilder::setShortCutNew(item(kExitTag), keyMap, u"1031");
    // Finding takes the main window's find keys, the defaults without a file.
    const QStringList findKeys = keyMap.isEmpty() ? CommandCatalogue::InitKeyMap(0) : keyMap;
    MainMenuBuilder::setShortCutNew(item(1101), findKeys, u"1101");
    MainMenuBuilder::setShortCutNew(item(1102), findKeys, u"1102");
    MainMenuBuilder::setShortCutNew(item(1103), findKeys, u"1103");
}

void TFormHelp::openFind()
{
    PanelFind->show();
    if (MemoHelp->hasSelection() && EditFind->text().isEmpty()) {
        const QString selected = MemoHelp->textRange(MemoHelp->selectionStart(), MemoHelp->selectionLength());
        EditFind->setText(selected.left(selected.indexOf(QLatin1Char('\r'))));
    }
    EditFind->setFocus();
    EditFind->selectAll();
}

bool TFormHelp::findNext()
{
    return find(true);
}

bool TFormHelp::findPrevious()
{
    return find(false);
}

bool TFormHelp::find(bool forward)
{
    const QString word = EditFind->text();
    if (word.isEmpty()) {
        openFind();
        return false;
    }
    const IniFile &ini = m_ini;
    TSearchOptions options;
    if (ini.readBool(QStringLiteral("Options"), QStringLiteral("MatchCase"), false))
        options.add(TSearchOption::sfrMatchCase);
    const QString text = MemoHelp->textRange(0, MemoHelp->length());
    TSearchInfo info;
    SearchResult result;
    if (forward) {
        options.add(TSearchOption::sfrDown);
        info.Start = qint32(MemoHelp->selectionStart() + MemoHelp->selectionLength() + 1);
        result = SearchForward(text, info, word, int(text.size()), options);
    } else {
        info.Start = qint32(MemoHelp->selectionStart());
        result = SearchBackward(text, info, word, options);
    }
    if (result.failed()) {
        MessageService::show(this, BoolJapanese ? result.error.japanese() : result.error.english());
        return false;
    }
    if (!result.found) {
        QString shown = word;
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        MessageService::show(this, BoolJapanese
                                       ? QString::fromUtf16(u"Information : 検索しましたが見つかりませんでした\r\n") + shown
                                       : QStringLiteral("Information : Search word can not find.\r\n[OK]\r\n") + shown);
        return false;
    }
    MemoHelp->setSelection(info.Start, info.Length);
    MemoHelp->ensureCaretVisible();
    return true;
}

bool TFormHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EditFind && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
            findNext();
            return true;
        }
    }
    return PlacedDialog::eventFilter(watched, event);
}

void TFormHelp::done(int result)
{
    DialogPlacement::save(m_ini, kSection, this);
    PlacedDialog::done(result);
}

} // namespace quillon
