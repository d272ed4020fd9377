#include "TFormSelectFiler.h"

#include "AppPaths.h"
#include "FilerLink.h"
#include "FilerMessages.h"
#include "MainMenuBuilder.h"
#include "MessageService.h"
#include "TitlePatterns.h"
#include "Utf16TextFile.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {

namespace {

QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

// A selected entry is aqua while the list has not the focus, the highlight
// with white text while it has; the text starts 2 pixels in. Entries are as
// wide as the list's scroll extent, so long titles can be scrolled to.
class FilerItemDelegate : public QStyledItemDelegate {
public:
    explicit FilerItemDelegate(QListWidget *list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {
    }
    static constexpr int ScrollExtent = 3400;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        const bool focused = m_list->hasFocus();
        const QPalette &p = option.palette;
        QColor background = p.color(QPalette::Base);
        QColor text = p.color(QPalette::Text);
        if (selected && focused) {
            background = p.color(QPalette::Active, QPalette::Highlight);
            text = Qt::white;
        } else if (selected) {
            background = QColor(0x00, 0xFF, 0xFF);
        }
        painter->fillRect(option.rect, background);
        painter->setPen(text);
        painter->drawText(option.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data().toString());
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const override
    {
        return {ScrollExtent, option.fontMetrics.height() + 2};
    }

private:
    QListWidget *m_list;
};

} // namespace

TFormSelectFiler::TFormSelectFiler(bool japanese, WindowSystem &windows, QWidget *parent)
    : PlacedDialog(QStringLiteral("FormSelectFiler"), QStringLiteral("SelectFiler.txt"), japanese, parent)
    , m_windows(windows)
{
    setWindowTitle(J(u"ファイラー選択"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setMinimumSize(DefaultWidth, DefaultHeight);
    resize(DefaultWidth, DefaultHeight);

    MainMenu = new QMenuBar(this);
    QMenu *file = MainMenu->addMenu(J(u"ファイル(&F)"));
    file->menuAction()->setProperty("tag", 1000);
    QAction *runItem = file->addAction(J(u"実行(&O)"), this, [this] { run(); });
    runItem->setObjectName(QStringLiteral("MenuRun"));
    runItem->setProperty("tag", 1001);
    QAction *exitItem = file->addAction(J(u"終了(&Q && &X)"), this, [this] { reject(); });
    exitItem->setObjectName(QStringLiteral("MenuClose"));
    exitItem->setProperty("tag", 1002);

    ListBoxFiler = new QListWidget(this);
    ListBoxFiler->setObjectName(QStringLiteral("ListBoxFiler"));
    ListBoxFiler->setItemDelegate(new FilerItemDelegate(ListBoxFiler));
    ListBoxFiler->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    ListBoxFiler->setUniformItemSizes(true);
    ListBoxFiler->installEventFilter(this);
    connect(ListBoxFiler, &QListWidget::itemDoubleClicked, this, [this] { run(); });

    auto *patterns = new QGridLayout;
    auto *enabledLabel = new QLabel(J(u"有効"), this);
    enabledLabel->setProperty("tag", 2001);
    auto *programLabel = new QLabel(J(u"プログラム名"), this);
    programLabel->setProperty("tag", 2002);
    patterns->addWidget(enabledLabel, 0, 0);
    patterns->addWidget(programLabel, 0, 1, Qt::AlignLeft);
    for (int row = 0; row < 4; ++row) {
        auto *check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("CheckBoxEnabled%1").arg(row + 1));
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("EditProgram%1").arg(row + 1));
        edit->installEventFilter(this);
        patterns->addWidget(check, row + 1, 0, Qt::AlignHCenter);
        patterns->addWidget(edit, row + 1, 1, Qt::AlignLeft);
        m_checks[size_t(row)] = check;
        m_patterns[size_t(row)] = edit;
    }
    patterns->setColumnStretch(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton *ok = addDialogButton(J(u"実行(&O)"), QStringLiteral("ButtonOK"), 2201);
    QPushButton *reload = addDialogButton(J(u"再取得(&G)"), QStringLiteral("ButtonReload"), 2202);
    QPushButton *saveButton = addDialogButton(J(u"保存(&S)"), QStringLiteral("ButtonSave"), 2203);
    QPushButton *init = addDialogButton(J(u"初期化(&I)"), QStringLiteral("ButtonInit"), 2204);
    QPushButton *cancel = addDialogButton(J(u"ｷｬﾝｾﾙ(&C)"), QStringLiteral("ButtonCancel"), 2205);
    for (QPushButton *b : {ok, reload, saveButton, init, cancel})
        buttons->addWidget(b);
    connect(ok, &QPushButton::clicked, this, [this] { run(); });
    connect(reload, &QPushButton::clicked, this, [this] { searchAgain(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(init, &QPushButton::clicked, this, [this] { initialise(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

    auto *column = new QVBoxLayout(this);
    column->setMenuBar(MainMenu);
    column->addWidget(ListBoxFiler, 1);
    column->addLayout(patterns);
    column->addLayout(buttons);

    m_lines = TitlePatterns::read(AppPaths::besideProgram(TitlePatterns::fileName()));
    showLines();
}

TFormSelectFiler::~TFormSelectFiler() = default;

QAction *TFormSelectFiler::item(int tag) const
{
    for (QAction *a : MainMenu->findChildren<QAction *>()) {
        if (a->property("tag").toInt() == tag)
            return a;
    }
    return nullptr;
}

void TFormSelectFiler::shown()
{
    applyKeyMap();
    search();
    ListBoxFiler->setFocus();
}

void TFormSelectFiler::applyKeyMap()
{
    const QString path = AppPaths::besideProgram(AppPaths::programName() + QStringLiteral("-KeyMap.txt"));
    if (!QFileInfo::exists(path))
        return;
    const QStringList keyMap = Utf16TextFile::readLines(path);
    MainMenuBuilder::setShortCutNew(item(1002), keyMap, u"1031");
    MainMenuBuilder::setShortCutNew(item(1001), keyMap, u"1711");
}

void TFormSelectFiler::showLines()
{
    for (int row = 0; row < 4; ++row) {
        const QString &line = m_lines[row];
        m_checks[size_t(row)]->setChecked(TitlePatterns::enabled(line));
        m_patterns[size_t(row)]->setText(line.mid(2));
    }
}

QStringList TFormSelectFiler::linesFromBoxes() const
{
    QStringList lines;
    for (int row = 0; row < 4; ++row)
        lines.append(TitlePatterns::line(m_checks[size_t(row)]->isChecked(), m_patterns[size_t(row)]->text()));
    return lines;
}

void TFormSelectFiler::search()
{
    ListBoxFiler->clear();
    m_found.clear();
    for (const FoundWindow &w : TitlePatterns::filerSearch(m_windows.topLevelWindows(), m_lines)) {
        ListBoxFiler->addItem(w.title);
        m_found.append(w.handle);
    }
    if (ListBoxFiler->count() > 0)
        ListBoxFiler->setCurrentRow(0);
}

void TFormSelectFiler::run()
{
    const int row = ListBoxFiler->currentRow();
    if (row >= 0 && row < int(m_found.size()))
        FilerLink(m_windows).bringToFront(m_found[row]);
    accept();
}

void TFormSelectFiler::searchAgain()
{
    m_lines = linesFromBoxes();
    search();
}

void TFormSelectFiler::save()
{
    m_lines = linesFromBoxes();
    const QString path = AppPaths::besideProgram(TitlePatterns::fileName());
    const WriteResult written = TitlePatterns::write(path, m_lines);
    if (!written.ok) {
        // Said, and the window stays open with what the user typed.
        const MessageText text = FilerMessages::titleFileNotWritten(path, written.error);
        MessageService::show(this, BoolJapanese ? text.japanese : text.english);
        return;
    }
    accept();
}

void TFormSelectFiler::initialise()
{
    m_lines = TitlePatterns::defaultLines();
    showLines();
}

void TFormSelectFiler::resizeEvent(QResizeEvent *event)
{
    PlacedDialog::resizeEvent(event);
    for (QLineEdit *edit : m_patterns)
        edit->setFixedWidth(std::max(40, width() - 105));
}

bool TFormSelectFiler::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return PlacedDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep a menu key of Enter or Esc from firing out of a pattern box.
        const bool taken = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                           || key->key() == Qt::Key_Escape;
        if (taken && std::find(m_patterns.begin(), m_patterns.end(), watched) != m_patterns.end())
            event->accept();
        return false;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (watched == ListBoxFiler && enter && key->modifiers() == Qt::NoModifier) {
        run();
        return true;
    }
    // Enter and Esc in a pattern box go nowhere: neither run nor close.
    for (QLineEdit *edit : m_patterns) {
        if (watched == edit && (enter || key->key() == Qt::Key_Escape))
            return true;
    }
    return PlacedDialog::eventFilter(watched, event);
}

} // namespace quillon
