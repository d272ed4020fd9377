#include "TFormViewGrid.h"

#include "AppPaths.h"
#include "AppearanceMessages.h"
#include "HarbekanLook.h"
#include "ColorText.h"
#include "GridMessages.h"
#include "GridModel.h"
#include "GridStatusBar.h"
#include "GridTexts.h"
#include "LanguageSetter.h"
#include "MessageService.h"
#include "TMLStringGrid.h"
#include "TMemoCrLf.h"

#include <QAction>
#include <QApplication>
#include <QActionGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace quillon {

namespace {

const QString jaFontName = QString::fromUtf16(u"ＭＳ ゴシック");

QColor qColor(TColor c)
{
    return QColor::fromRgba(colorToRgb(c));
}

TColor tColor(const QColor &c)
{
    return rgbToColor(c.rgb() & 0xFFFFFF);
}

// The read-encoding items in code order (1041 Shift_JIS ... 1050), 1051 automatic.
int readTagOf(int code)
{
    return code == 0 ? 1051 : 1040 + code;
}

} // namespace

TFormViewGrid::TFormViewGrid(const GridContext &context, QWidget *parent)
    : PlacedDialog(QStringLiteral("FormViewGrid"), QStringLiteral("ViewGrid.txt"), context.japanese, parent)
    , m_ctx(context)
{
    setWindowTitle(QString::fromUtf16(u"グリッド表示"));
    // The caption is the file's name, set by the window itself after the
    // language file: no language line sets it.
    setProperty("tag", QVariant());
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setFont(QFont(jaFontName, 14));
    setMinimumSize(740, 480);
    resize(740, 480);

    m_model = new GridModel(this);
    {
        IniBatch batch(m_ini);
        m_settings.load(batch);
        StrFindParentForm = readGridParent(batch);
    }
    createLayout();
    createMenus();
    applySettings();

    TimerUnknown = new QTimer(this);
    TimerLf = new QTimer(this);
    for (QTimer *t : {TimerUnknown, TimerLf}) {
        t->setSingleShot(true);
        t->setInterval(300);
    }
    connect(TimerUnknown, &QTimer::timeout, this, [this] { showMessage(GridMessages::unknownCharacters()); });
    connect(TimerLf, &QTimer::timeout, this, [this] { showMessage(GridMessages::lfBeforeCrLf()); });
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(50);
    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        if (m_progress)
            ProgressLoad->setValue(m_progress->load());
    });

    if (m_ctx.developer) {
        LanguageSetter::installDeveloperKeys(this, [this](bool japanese) {
            // This window alone, through its language file; nothing else is refreshed.
            BoolJapanese = japanese;
            applyLanguage();
        });
    }
}

TFormViewGrid::~TFormViewGrid()
{
    if (m_thread) {
        m_cancel->store(true);
        m_thread->wait();
        delete m_thread;
    }
    writeSettings();
}

int TFormViewGrid::open(QWidget *parent, const QString &filePath, const QString &opener, GridContext context)
{
    {
        IniFile ini(AppPaths::settingsPath());
        writeGridParent(ini, opener);
    }
    context.fileName = filePath;
    TFormViewGrid window(context, parent);
    return window.exec();
}

QString TFormViewGrid::findAllHandOffPath()
{
    return AppPaths::besideProgram(QStringLiteral("Quillon-FindAll.txt"));
}

void TFormViewGrid::createLayout()
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    MenuBar = new QMenuBar(this);
    column->setMenuBar(MenuBar);

    const QList<int> panelWidths{80, 90, 120, 90, 210, 120, 20};
    const QFont statusFont(jaFontName, 10);
    StatusBarTop = new GridStatusBar(panelWidths, 0, this);
    StatusBarTop->setObjectName(QStringLiteral("StatusBarTop"));
    column->addWidget(StatusBarTop);

    PanelMemo = new QWidget(this);
    PanelMemo->setObjectName(QStringLiteral("PanelMemo"));
    auto *memoLayout = new QVBoxLayout(PanelMemo);
    memoLayout->setContentsMargins(0, 0, 0, 0);
    Memo1 = new TMemoCrLf(PanelMemo);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    memoLayout->addWidget(Memo1);
    column->addWidget(PanelMemo);

    StatusBarMemo = new GridStatusBar({}, 6, this);
    StatusBarMemo->setObjectName(QStringLiteral("StatusBarMemo"));
    column->addWidget(StatusBarMemo);

    auto *memoSearch = new QWidget(this);
    memoSearch->setFixedHeight(35);
    auto *memoRow = new QHBoxLayout(memoSearch);
    memoRow->setContentsMargins(4, 0, 4, 0);
    LabelMemoSearch = new QLabel(QString::fromUtf16(u"[Ctrl]+[Up,Down,Left,Right]でｸﾞﾘｯﾄﾞ移動"), memoSearch);
    LabelMemoSearch->setProperty("tag", 2002);
    ButtonMemoNext = new QPushButton(QString::fromUtf16(u"次(&B)"), memoSearch);
    ButtonMemoNext->setObjectName(QStringLiteral("ButtonMemoNext"));
    ButtonMemoNext->setProperty("tag", 2201);
    ButtonMemoPrev = new QPushButton(QString::fromUtf16(u"前(&Y)"), memoSearch);
    ButtonMemoPrev->setObjectName(QStringLiteral("ButtonMemoPrev"));
    ButtonMemoPrev->setProperty("tag", 2202);
    memoRow->addWidget(LabelMemoSearch, 1);
    for (QPushButton *b : {ButtonMemoNext, ButtonMemoPrev}) {
        b->setFixedSize(100, 25);
        b->setAutoDefault(false);
        memoRow->addWidget(b);
    }
    column->addWidget(memoSearch);

    StringGrid1 = new TMLStringGrid(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGridModel(m_model);
    column->addWidget(StringGrid1, 1);

    auto *gridSearch = new QWidget(this);
    gridSearch->setFixedHeight(35);
    auto *gridRow = new QHBoxLayout(gridSearch);
    gridRow->setContentsMargins(4, 0, 4, 0);
    // The access keys of the search label and its Next button differ from the
    // menu bar's File (F) and View (V): one key, one control.
    LabelSearch = new QLabel(QString::fromUtf16(u"検索(&W):"), gridSearch);
    LabelSearch->setProperty("tag", 2001);
    EditSearch = new QLineEdit(gridSearch);
    EditSearch->setObjectName(QStringLiteral("EditSearch"));
    EditSearch->setFixedWidth(340);
    LabelSearch->setBuddy(EditSearch);
    ButtonGridNext = new QPushButton(QString::fromUtf16(u"次(&N)"), gridSearch);
    ButtonGridNext->setObjectName(QStringLiteral("ButtonGridNext"));
    ButtonGridNext->setProperty("tag", 2203);
    ButtonGridPrev = new QPushButton(QString::fromUtf16(u"前(&T)"), gridSearch);
    ButtonGridPrev->setObjectName(QStringLiteral("ButtonGridPrev"));
    ButtonGridPrev->setProperty("tag", 2204);
    ProgressLoad = new QProgressBar(gridSearch);
    ProgressLoad->setObjectName(QStringLiteral("ProgressLoad"));
    ProgressLoad->setRange(0, 1000);
    ProgressLoad->setTextVisible(false);
    ProgressLoad->hide();
    gridRow->addWidget(LabelSearch);
    gridRow->addWidget(EditSearch);
    for (QPushButton *b : {ButtonGridNext, ButtonGridPrev}) {
        b->setAutoDefault(false);
        gridRow->addWidget(b);
    }
    gridRow->addWidget(ProgressLoad, 1);
    gridRow->addStretch(0);
    column->addWidget(gridSearch);

    StatusBarBottom = new GridStatusBar(panelWidths, 0, this);
    StatusBarBottom->setObjectName(QStringLiteral("StatusBarBottom"));
    column->addWidget(StatusBarBottom);
    for (GridStatusBar *bar : {StatusBarTop, StatusBarMemo, StatusBarBottom})
        bar->setFont(statusFont);

    connect(ButtonMemoNext, &QPushButton::clicked, this, [this] { searchMemo(true); });
    connect(ButtonMemoPrev, &QPushButton::clicked, this, [this] { searchMemo(false); });
    connect(ButtonGridNext, &QPushButton::clicked, this, [this] { searchGrid(true); });
    connect(ButtonGridPrev, &QPushButton::clicked, this, [this] { searchGrid(false); });
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    StringGrid1SelectCell(current.column() + 2, current.row() + 2);
            });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        // A new model state gives the grid a new selection model's signals too.
        StringGrid1->setRowHeightRatio(m_ratio);
    });
    for (QWidget *w : {static_cast<QWidget *>(Memo1), static_cast<QWidget *>(Memo1->viewport()),
                       static_cast<QWidget *>(StringGrid1), static_cast<QWidget *>(EditSearch)})
        w->installEventFilter(this);

    PopupMemo = new QMenu(this);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { PopupMemo->popup(Memo1->mapToGlobal(pos)); });
}

QAction *TFormViewGrid::addItem(QMenu *menu, int tag, const QString &caption, const QKeySequence &key, bool checkable)
{
    auto *a = new QAction(caption, this);
    a->setProperty("tag", tag);
    a->setObjectName(QStringLiteral("Menu%1").arg(tag));
    if (!key.isEmpty()) {
        a->setShortcut(key);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    a->setCheckable(checkable);
    menu->addAction(a);
    m_actions.insert(tag, a);
    connect(a, &QAction::triggered, this, [this, tag] { runCommand(tag); });
    return a;
}

void TFormViewGrid::createMenus()
{
    auto J = [](const char16_t *s) { return QString::fromUtf16(s); };
    auto top = [&](int tag, const QString &caption) {
        QMenu *m = MenuBar->addMenu(caption);
        m->menuAction()->setProperty("tag", tag);
        return m;
    };
    auto group = [this](std::initializer_list<int> tags) {
        auto *g = new QActionGroup(this);
        g->setExclusive(true);
        for (int t : tags)
            g->addAction(m_actions.value(t));
    };

    QMenu *file = top(1000, J(u"ファイル(&F)"));
    QMenu *read = file->addMenu(J(u"読込(&R)"));
    read->menuAction()->setProperty("tag", 1001);
    addItem(read, 1011, J(u"再読み込み(&R)"));
    read->addSeparator();
    addItem(read, 1021, J(u"セル内の改行をタブに置き換えて読込(&T)"), {}, true);
    read->addSeparator();
    const char16_t *codes[] = {u"Shift_JIS(&S)", u"JIS(&J)", u"EUC-JP(&E)", u"UTF-7(&7)", u"UTF-8 [BOM有](&8)",
                               u"UTF-8 [BOM無](&V)", u"UTF-16 [BOM有 ビッグエンディアン](&B)",
                               u"UTF-16 [BOM無 ビッグエンディアン](&C)", u"UTF-16 [BOM有 リトルエンディアン](&L)",
                               u"UTF-16 [BOM無 リトルエンディアン](&M)"};
    for (int i = 0; i < 10; ++i)
        addItem(read, 1041 + i, J(codes[i]), {}, true);
    addItem(read, 1051, J(u"自動検出(&A)"), {}, true);
    group({1041, 1042, 1043, 1044, 1045, 1046, 1047, 1048, 1049, 1050, 1051});
    read->addSeparator();
    addItem(read, 1031, J(u"CSV 自動検出(&W)"), {}, true);
    addItem(read, 1032, J(u"CSV カンマ区切り 11,\"22,22\",33 (&X)"), {}, true);
    addItem(read, 1033, J(u"CSV カンマ区切り 11,\"22\",\"3,3\",\"4\"\"4\",55 (&Y)"), {}, true);
    group({1031, 1032, 1033});
    // The grid writes no file: the save submenu is shown, never available.
    QMenu *save = file->addMenu(J(u"保存(&S)"));
    save->menuAction()->setProperty("tag", 1002);
    save->menuAction()->setEnabled(false);
    file->addSeparator();
    addItem(file, 1003, J(u"終了(&Q && &X)"));

    QMenu *edit = top(1100, J(u"編集(&E)"));
    addItem(edit, 1111, J(u"編集モード(&E)"), QKeySequence(Qt::CTRL | Qt::Key_E), true);
    edit->addSeparator();
    addItem(edit, 1121, J(u"クリップ時の区切り  タブ区切り [ TAB ] (&T)"), {}, true);
    addItem(edit, 1122, J(u"クリップ時の区切り  ダブルコーテーション区切り [ \",\" ] (&W)"), {}, true);
    addItem(edit, 1123, J(u"クリップ時の区切り  カンマ区切り [ , ] (&N)"), {}, true);
    addItem(edit, 1125, J(u"クリップ時の区切り  カンマ区切り [ 11,\"22\",\"3,3\",\"4\"\"4\",55 ] (&Y)"), {}, true);
    group({1121, 1122, 1123, 1125});
    addItem(edit, 1124, J(u"選択範囲をクリップボードへコピー(&Z)"));
    edit->addSeparator();
    addItem(edit, 1131, J(u"行の削除(&D)"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
    addItem(edit, 1132, J(u"行のコピー(&C)"));
    addItem(edit, 1133, J(u"行の貼付(&P)"));
    addItem(edit, 1134, J(u"行の挿入(&I)"));
    addItem(edit, 1135, J(u"行の追加(&A)"));
    edit->addSeparator();
    addItem(edit, 1141, J(u"桁の削除(&G)"));
    addItem(edit, 1142, J(u"桁のコピー(&H)"));
    addItem(edit, 1143, J(u"桁の貼付(&J)"));
    addItem(edit, 1144, J(u"桁の挿入(&K)"));
    addItem(edit, 1145, J(u"桁の追加(&L)"));
    // Row and column commands are listed but never available: the grid
    // edits cell texts only.
    for (int tag : {1131, 1132, 1133, 1134, 1135, 1141, 1142, 1143, 1144, 1145})
        m_actions.value(tag)->setEnabled(false);
    edit->addSeparator();
    for (int n = 1; n <= 10; ++n) {
        addItem(edit, 1150 + n,
                J(u"メモの高さ ") + QString::number(n) + J(u"倍(&") + QString::number(n % 10) + u')', {}, true);
    }
    group({1151, 1152, 1153, 1154, 1155, 1156, 1157, 1158, 1159, 1160});

    QMenu *search = top(1200, J(u"検索(&S)"));
    addItem(search, 1211, J(u"次を検索(&N)"), QKeySequence(Qt::Key_F3));
    addItem(search, 1212, J(u"前を検索(&P)"), QKeySequence(Qt::SHIFT | Qt::Key_F3));

    QMenu *view = top(1300, J(u"表示(&V)"));
    addItem(view, 1311, J(u"桁の幅を自動調整(&L)"), QKeySequence(Qt::CTRL | Qt::Key_I));
    view->addSeparator();
    addItem(view, 1321, J(u"現在行をタイトル行に設定(&J)"));
    addItem(view, 1322, J(u"タイトル行をクリア(&K)"));
    addItem(view, 1331, J(u"現在桁をタイトル桁に設定(&M)"));
    addItem(view, 1332, J(u"タイトル桁をクリア(&N)"));
    view->addSeparator();
    addItem(view, 1341, J(u"ステータス表示は [行,桁] (&Y)"), {}, true);
    addItem(view, 1342, J(u"ステータス表示は [桁,行] (&X)"), {}, true);
    group({1341, 1342});
    view->addSeparator();
    for (int n = 1; n <= 10; ++n) {
        addItem(view, 1350 + n,
                J(u"行の高さ ") + QString::number(n) + J(u"倍(&") + QString::number(n % 10) + u')', {}, true);
    }
    group({1351, 1352, 1353, 1354, 1355, 1356, 1357, 1358, 1359, 1360});

    QMenu *settings = top(1400, J(u"設定(&P)"));
    addItem(settings, 1411, J(u"フォント設定(&F)"));
    addItem(settings, 1412, J(u"背景色設定(&C)"));
    addItem(settings, 1413, J(u"カレントセルの背景色設定(&R)"));
    addItem(settings, 1414, J(u"固定行と固定桁の背景色設定(&X)"));
    addItem(settings, 1421, J(u"テキスト改行色設定(&L)"));
    settings->addSeparator();
    addItem(settings, 1431, J(u"フォントと色を初期化(&I)"));
    addItem(settings, 1432, J(u"色はHarbekanと同じ(&A)"), {}, true);

    // The grid's own help text first; the window switches to the general one.
    QMenu *help = top(1500, J(u"ヘルプ(&H)"));
    addItem(help, 1501, J(u"ヘルプ表示(&V)"), QKeySequence(Qt::Key_F1));

    // The memo's pop-up menu; its keys work while the memo has the focus.
    auto popup = [this](int tag, const QString &caption, const QKeySequence &key) {
        auto *a = new QAction(caption, this);
        a->setProperty("tag", tag);
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetShortcut);
        PopupMemo->addAction(a);
        Memo1->addAction(a);
        m_actions.insert(tag, a);
        connect(a, &QAction::triggered, this, [this, tag] { runCommand(tag); });
    };
    popup(1901, J(u"コピー(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C));
    popup(1902, J(u"切り取り(&X)"), QKeySequence(Qt::CTRL | Qt::Key_X));
    popup(1903, J(u"貼り付け(&P)"), QKeySequence(Qt::CTRL | Qt::Key_P));
    popup(1904, J(u"全選択(&A)"), QKeySequence(Qt::CTRL | Qt::Key_A));
}

void TFormViewGrid::applySettings()
{
    m_actions.value(1021)->setChecked(m_settings.lfToTab);
    m_actions.value(readTagOf(m_settings.readChoice()))->setChecked(true);
    m_actions.value(1031)->setChecked(true); // every window starts in automatic mode
    static constexpr int clipTags[] = {1121, 1122, 1123, 1125};
    m_actions.value(clipTags[m_settings.clipStyle()])->setChecked(true);
    m_actions.value(m_settings.colRow || !m_settings.rowCol ? 1342 : 1341)->setChecked(true);
    EditSearch->setText(m_settings.searchWord);
    // Edit mode waits for the first Reload.
    m_actions.value(1111)->setEnabled(false);

    // The filer's colours need its settings file beside the program; without
    // it the item is off, silently.
    if (!HarbekanLook::available())
        m_settings.sameAsHarbekan = false;
    m_actions.value(1432)->setChecked(m_settings.sameAsHarbekan);
    for (int tag : {1411, 1412, 1431})
        m_actions.value(tag)->setEnabled(!m_settings.sameAsHarbekan);

    const bool dark = m_ctx.skinStyle != 0;
    StringGrid1->setDarkMode(dark);
    Memo1->setDarkMode(dark);
    if (m_ctx.darkBackColor.isValid())
        Memo1->setDarkBackColor(m_ctx.darkBackColor);
    applyFontAndColors();
    setMemoHeightIndex(m_settings.memoHeightIndex);
    setRowHeightRatio(1);
}

void TFormViewGrid::applyFontAndColors()
{
    // The window's own font and colours, or the filer's while 1432 is checked.
    QString fontName = m_settings.fontName;
    int pointSize = m_settings.pointSize();
    TColor textColor = m_settings.fontColor;
    TColor backColor = m_settings.color;
    if (m_settings.sameAsHarbekan) {
        const HarbekanLook look = HarbekanLook::read(HarbekanLook::iniPath());
        fontName = look.fontName;
        pointSize = look.fontHeight;
        textColor = look.colorText;
        backColor = look.colorBack;
    }
    QFont font(fontName);
    font.setPointSize(pointSize);
    const bool dark = StringGrid1->DarkMode();
    for (QWidget *w : {static_cast<QWidget *>(StringGrid1), static_cast<QWidget *>(Memo1)}) {
        w->setFont(font);
        // A dark theme keeps its own text and background colours: the
        // grid's light defaults would paint over it.
        QPalette p = w->palette();
        const QPalette themed = QApplication::palette(w);
        p.setColor(QPalette::Text, dark ? themed.color(QPalette::Text) : qColor(textColor));
        p.setColor(QPalette::Base, dark ? themed.color(QPalette::Base) : qColor(backColor));
        w->setPalette(p);
    }
    StringGrid1->setBackColor(qColor(backColor));
    StringGrid1->setCurrentBackColor(qColor(m_settings.currentColor));
    StringGrid1->setFixedBackColor(qColor(m_settings.fixedColor));
    Memo1->setCrLfColor(qColor(m_settings.crLfColor));
    IntTextHeight = pointSize * 22 / 14;
    StringGrid1->setTextHeight(IntTextHeight);
}

void TFormViewGrid::SetSameAsHarbekan()
{
    applyFontAndColors();
    setMemoHeightIndex(m_settings.memoHeightIndex);
    StringGrid1->viewport()->update();
    StringGrid1->FixedColumnWidthAdjust();
}

void TFormViewGrid::MenuSameAsHarbekanClick()
{
    bool on = !m_settings.sameAsHarbekan;
    if (on && !HarbekanLook::available()) {
        m_actions.value(1432)->setChecked(false);
        showMessage(AppearanceMessages::harbekIniMissing(HarbekanLook::iniPath()));
        return;
    }
    m_settings.sameAsHarbekan = on;
    m_actions.value(1432)->setChecked(on);
    for (int tag : {1411, 1412, 1431})
        m_actions.value(tag)->setEnabled(!on);
    SetSameAsHarbekan();
}

void TFormViewGrid::writeSettings()
{
    m_settings.lfToTab = m_actions.value(1021)->isChecked();
    m_settings.colRow = m_actions.value(1342)->isChecked();
    m_settings.rowCol = m_actions.value(1341)->isChecked();
    m_settings.searchWord = EditSearch->text();
    m_settings.memoHeight = PanelMemo->height();
    IniBatch batch(m_ini);
    m_settings.store(batch);
}

void TFormViewGrid::applyLanguage()
{
    LanguageSetter::apply(this, StrLanguageFileName, BoolJapanese, &m_ini,
                          LanguageSetter::messageBox(this, BoolJapanese));
}

void TFormViewGrid::firstShown()
{
    // The file steps when the window first appears.
    // The grid is not typed into: keys reach its commands, never a
    // composition window of the input method. Where text is typed, Latin
    // input is what the window expects first.
    StringGrid1->setAttribute(Qt::WA_InputMethodEnabled, false);
    EditSearch->setInputMethodHints(Qt::ImhPreferLatin);
    Memo1->setInputMethodHints(Qt::ImhPreferLatin);
    // The file: the opener's if it still exists, else none.
    StrLoadFileName = QFileInfo(m_ctx.fileName).isFile() ? m_ctx.fileName : QString();
    applyLanguage();
    setWindowTitle(GridTexts::caption(StrLoadFileName, BoolJapanese));
    startRead(ReadKind::Show);
}

void TFormViewGrid::showMessage(const MessageText &text)
{
    MessageService::show(this, BoolJapanese ? text.japanese : text.english);
}

void TFormViewGrid::setPanelBoth(int panel, const QString &text)
{
    StatusBarTop->setPanelText(panel, text);
    StatusBarBottom->setPanelText(panel, text);
}

void TFormViewGrid::setRowHeightRatio(int ratio)
{
    m_ratio = std::clamp(ratio, 1, 10);
    m_actions.value(1350 + m_ratio)->setChecked(true);
    StringGrid1->setRowHeightRatio(m_ratio);
}

void TFormViewGrid::setMemoHeightIndex(int index)
{
    m_settings.memoHeightIndex = std::clamp(index, 1, 10);
    m_actions.value(1150 + m_settings.memoHeightIndex)->setChecked(true);
    PanelMemo->setFixedHeight(IntTextHeight * (m_settings.memoHeightIndex + 2));
}

void TFormViewGrid::chooseFont()
{
    QFont font(m_settings.fontName);
    font.setPointSize(m_settings.pointSize());
    QFont chosen;
    QColor color;
    if (!MessageService::dialogs().chooseFont(this, font, qColor(m_settings.fontColor), &chosen, &color))
        return;
    m_settings.fontName = chosen.family();
    m_settings.fontSize = QString::number(std::max(1, chosen.pointSize()));
    m_settings.fontColor = tColor(color);
    applyFontAndColors();
    setMemoHeightIndex(m_settings.memoHeightIndex);
    StringGrid1->FixedColumnWidthAdjust();
    setRowHeightRatio(m_ratio);
}

void TFormViewGrid::chooseColor(int tag)
{
    TColor *target = tag == 1412 ? &m_settings.color
                   : tag == 1413 ? &m_settings.currentColor
                   : tag == 1414 ? &m_settings.fixedColor
                                 : &m_settings.crLfColor;
    QColor chosen;
    if (!MessageService::dialogs().chooseColor(this, qColor(*target), &chosen))
        return;
    *target = tColor(chosen);
    applyFontAndColors();
}

void TFormViewGrid::initFontAndColors()
{
    const GridSettings defaults;
    m_settings.fontColor = defaults.fontColor;
    m_settings.fontName = defaults.fontName;
    m_settings.fontSize = defaults.fontSize;
    m_settings.color = defaults.color;
    m_settings.fixedColor = defaults.fixedColor;
    m_settings.currentColor = 0xFF8000;
    m_settings.crLfColor = defaults.crLfColor;
    applyFontAndColors();
    StringGrid1->FixedColumnWidthAdjust();
    setRowHeightRatio(m_ratio);
}

} // namespace quillon
