#include "TFormFind.h"

#include "KeyTextMenu.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "Placement.h"
#include "Utf16TextFile.h"
#include "MainMenuBuilder.h"
#include "SearchHistory.h"
#include "FindHost.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace quillon {

namespace {

QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

const QString kOptions = QStringLiteral("Options");
const QString kSection = QStringLiteral("FormFind");
constexpr QSize kMinimum(540, 240);

// Tags of the word-box menu's entries: the dialog menu's plus 10.
constexpr int kWordBoxTagOffset = 10;

} // namespace

TFormFind::TFormFind(FindHost *host, QWidget *parent)
    : PlacedDialog(kSection, QStringLiteral("Find.txt"), host->japanese(), parent, Placing::BySelf)
    , m_host(host)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(J(u"検索"));
    setMinimumSize(kMinimum);
    createControls();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(200);
    connect(Timer1, &QTimer::timeout, this, [this] {
        Timer1->stop();
        bringToFront();
    });
    EditClipboard->hide();
    applyKeyMap();
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this] { updateMenuForFocus(); });
}

TFormFind::~TFormFind()
{
    // Hiding moves the focus, which would call back into a dialog that is
    // already half taken down: stop listening first.
    disconnect(m_focusWatch);
    hide();
}

void TFormFind::createControls()
{
    auto *column = new QVBoxLayout(this);
    auto *menus = new QWidget(this);
    auto *menuColumn = new QVBoxLayout(menus);
    menuColumn->setContentsMargins(0, 0, 0, 0);
    menuColumn->setSpacing(0);
    MainMenuFind = createMenuBar(false);
    MainMenuFindEdit = createMenuBar(true);
    MainMenuFind->setParent(menus);
    MainMenuFindEdit->setParent(menus);
    menuColumn->addWidget(MainMenuFind);
    menuColumn->addWidget(MainMenuFindEdit);
    MainMenuFindEdit->hide();
    column->setMenuBar(menus);

    auto *grid = new QGridLayout;
    LabelFind = new QLabel(J(u"検索する文字列(&W):"), this);
    LabelFind->setProperty("tag", 2001);
    ComboBoxFind = new QComboBox(this);
    ComboBoxFind->setObjectName(QStringLiteral("ComboBoxFind"));
    ComboBoxFind->setEditable(true);
    ComboBoxFind->setMaxVisibleItems(16);
    ComboBoxFind->setInsertPolicy(QComboBox::NoInsert);
    // Keys reach the box or its line edit depending on where the focus sits
    // (the box forwards to the line edit without passing filters): watch both.
    ComboBoxFind->installEventFilter(this);
    ComboBoxFind->lineEdit()->installEventFilter(this);
    LabelFind->setBuddy(ComboBoxFind);
    grid->addWidget(LabelFind, 0, 0);
    grid->addWidget(ComboBoxFind, 0, 1);

    GroupBoxOption = new QGroupBox(J(u"オプション"), this);
    GroupBoxOption->setProperty("tag", 2801);
    auto *options = new QVBoxLayout(GroupBoxOption);
    auto box = [this, options](const char16_t *caption, const char *name, int tag) {
        auto *c = new QCheckBox(J(caption), GroupBoxOption);
        c->setObjectName(QLatin1String(name));
        c->setProperty("tag", tag);
        options->addWidget(c);
        return c;
    };
    CheckBoxMatchCase = box(u"大文字と小文字を区別する(&U)", "CheckBoxMatchCase", 6001);
    CheckBoxWholeWord = box(u"単語のみ検索する(&W)", "CheckBoxWholeWord", 6002);
    CheckBoxIncludeCRLF = box(u"改行・スペースを無視(&L)", "CheckBoxIncludeCRLF", 6003);
    CheckBoxRegExp = box(u"正規表現検索(&E)", "CheckBoxRegExp", 6004);
    grid->addWidget(GroupBoxOption, 1, 0, 1, 2);
    CheckBoxAutoClose = new QCheckBox(J(u"検索完了で閉じる(&R)"), this);
    CheckBoxAutoClose->setObjectName(QStringLiteral("CheckBoxAutoClose"));
    CheckBoxAutoClose->setProperty("tag", 6005);
    grid->addWidget(CheckBoxAutoClose, 2, 0, 1, 2);
    column->addLayout(grid);

    auto *buttons = new QHBoxLayout;
    auto button = [this, buttons](const char16_t *caption, const char *name, int tag) {
        auto *b = new QPushButton(J(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setProperty("tag", tag);
        b->setAutoDefault(false); // Enter belongs to the word box
        buttons->addWidget(b);
        return b;
    };
    buttons->addStretch(1);
    ButtonPrev = button(u"前を検索(&P)", "ButtonPrev", 2201);
    ButtonNext = button(u"次を検索(&N)", "ButtonNext", 2202);
    ButtonClose = button(u"閉じる(&C)", "ButtonClose", 2203);
    column->addLayout(buttons);
    connect(ButtonPrev, &QPushButton::clicked, this, &TFormFind::searchPrevious);
    connect(ButtonNext, &QPushButton::clicked, this, &TFormFind::searchNext);
    connect(ButtonClose, &QPushButton::clicked, this, &TFormFind::closeFind);

    EditClipboard = new QLineEdit(this);
    EditClipboard->setObjectName(QStringLiteral("EditClipboard"));
}

QMenuBar *TFormFind::createMenuBar(bool wordBoxMenu)
{
    const int offset = wordBoxMenu ? kWordBoxTagOffset : 0;
    auto *bar = new QMenuBar(this);
    bar->setObjectName(wordBoxMenu ? QStringLiteral("MainMenuFindEdit") : QStringLiteral("MainMenuFind"));
    // Menus that name their keys as the key-map file does ("PgDn", not Qt's "PgDown").
    QMenu *file = new KeyTextMenu(J(u"ファイル(&F)"), bar);
    bar->addMenu(file);
    file->menuAction()->setProperty("tag", 1000 + offset);
    QMenu *search = new KeyTextMenu(J(u"検索(&S)"), bar);
    bar->addMenu(search);
    search->menuAction()->setProperty("tag", 1100 + offset);
    auto item = [bar](QMenu *menu, const char16_t *caption, int code, int tag, std::function<void()> fn) {
        QAction *a = menu->addAction(J(caption));
        a->setData(code);
        a->setProperty("tag", tag);
        QObject::connect(a, &QAction::triggered, bar, std::move(fn));
        return a;
    };
    item(file, u"終了(&Q && &X)", 1031, wordBoxMenu ? 1041 : 1031, [this] { closeFind(); });
    item(search, u"次を検索(&N) ", 1102, 1102 + offset, [this] { searchNext(); });
    item(search, u"前を検索(&P)", 1103, 1103 + offset, [this] { searchPrevious(); });
    item(search, u"コピー(&C)", 1201, 1201 + offset, [this] { copyToClipboard(false); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    item(search, u"切り取り(&X)", 1202, 1202 + offset, [this] { copyToClipboard(true); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    item(search, u"貼り付け(&V)", 1203, 1203 + offset, [this] { pasteFromClipboard(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    return bar;
}

QAction *TFormFind::menuAction(int code, bool wordBoxMenu) const
{
    const QMenuBar *bar = wordBoxMenu ? MainMenuFindEdit : MainMenuFind;
    for (QAction *top : bar->actions()) {
        if (!top->menu())
            continue;
        for (QAction *a : top->menu()->actions()) {
            if (a->data().toInt() == code)
                return a;
        }
    }
    return nullptr;
}

void TFormFind::applyKeyMap()
{
    const QString path = AppPaths::besideProgram(AppPaths::programName() + QStringLiteral("-KeyMap.txt"));
    const QStringList keyMap = QFileInfo::exists(path) ? Utf16TextFile::readLines(path) : m_host->keyMap();
    for (int code : {1031, 1102, 1103}) {
        const QString text = QString::number(code);
        MainMenuBuilder::setShortCutNew(menuAction(code, false), keyMap, text);
        MainMenuBuilder::setShortCutNewFind(menuAction(code, true), keyMap, text);
    }
}

bool TFormFind::isModalMode() const
{
    return StrParentForm == QLatin1String("FindAll") || StrParentForm == QLatin1String("FindFileAll");
}

void TFormFind::showFind()
{
    IniFile &ini = m_host->settingsFile();
    BoolJapanese = m_host->japanese();
    // 1. Geometry, if the saved rectangle still lies on the screens.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect virtualScreen = screen ? screen->virtualGeometry() : QRect(0, 0, 1920, 1080);
    const Placement placement = PlacementRecord::read(ini, kSection, kMinimum);
    const QRect r = PlacementRecord::restoredRect(placement, virtualScreen, kMinimum);
    resize(r.size().expandedTo(kMinimum));
    if (ini.hasKey(kSection, QStringLiteral("Left")) || !parentWidget()) {
        move(r.topLeft());
    } else {
        // A first start has no place stored: over the middle of the window
        // that opens it, not over the screen's corner.
        const QRect owner = parentWidget()->window()->frameGeometry();
        move(owner.center() - QPoint(width() / 2, height() / 2));
    }
    // 2. Only the match-case box is offered; the others are kept in the file.
    CheckBoxWholeWord->hide();
    CheckBoxIncludeCRLF->hide();
    CheckBoxRegExp->hide();
    // 3-6.
    loadValues();
    applyKeyMap();
    StrParentForm = ini.readString(kSection, QStringLiteral("Parent"), QStringLiteral("Main"));
    setControlsForMode();
    setWindowModality(isModalMode() ? Qt::ApplicationModal : Qt::NonModal);
    setResult(QDialog::Rejected);
    show();
    raise();
    activateWindow();
    ComboBoxFind->setFocus();
    ComboBoxFind->lineEdit()->selectAll();
    updateMenuForFocus();
}

void TFormFind::loadValues()
{
    IniFile &ini = m_host->settingsFile();
    CheckBoxMatchCase->setChecked(ini.readBool(kOptions, QStringLiteral("MatchCase"), false));
    CheckBoxWholeWord->setChecked(ini.readBool(kOptions, QStringLiteral("WholeWord"), false));
    CheckBoxIncludeCRLF->setChecked(ini.readBool(kOptions, QStringLiteral("IncludeCRLF"), false));
    CheckBoxRegExp->setChecked(ini.readBool(kOptions, QStringLiteral("RegExp"), false));
    IntSearchNext = ini.readInteger(kOptions, QStringLiteral("Direction"), 1);
    CheckBoxAutoClose->setChecked(ini.readBool(kOptions, QStringLiteral("AutoClose"), false));
    m_history = SearchHistory::read();
    ComboBoxFind->clear();
    ComboBoxFind->addItems(m_history);
    ComboBoxFind->setEditText(ini.readString(kOptions, QStringLiteral("SearchWord")));
}

void TFormFind::saveValues()
{
    IniFile &ini = m_host->settingsFile();
    ini.writeBool(kOptions, QStringLiteral("MatchCase"), CheckBoxMatchCase->isChecked());
    ini.writeBool(kOptions, QStringLiteral("WholeWord"), CheckBoxWholeWord->isChecked());
    ini.writeBool(kOptions, QStringLiteral("IncludeCRLF"), CheckBoxIncludeCRLF->isChecked());
    ini.writeBool(kOptions, QStringLiteral("RegExp"), CheckBoxRegExp->isChecked());
    ini.writeInteger(kOptions, QStringLiteral("Direction"), IntSearchNext);
    ini.writeString(kOptions, QStringLiteral("SearchWord"), StrSearchValue);
    ini.writeBool(kOptions, QStringLiteral("AutoClose"), CheckBoxAutoClose->isChecked());
    SearchHistory::write(m_history);
}

void TFormFind::setControlsForMode()
{
    const bool modal = isModalMode();
    GroupBoxOption->setVisible(true);
    CheckBoxAutoClose->setVisible(!modal);
    ButtonPrev->setEnabled(!modal);
    for (bool wordBox : {false, true}) {
        if (QAction *a = menuAction(1103, wordBox))
            a->setEnabled(!modal);
    }
}

void TFormFind::runSearch(bool next)
{
    if (!next && isModalMode())
        return;
    const QString word = ComboBoxFind->currentText();
    if (word.isEmpty()) {
        m_host->message(J(u"Information : 検索語が設定されていません"),
                        QStringLiteral("Information : Search word is empty.\r\n[OK]"));
        return;
    }
    StrSearchValue = word;
    m_host->setSearchWord(word);
    SearchHistory::update(m_history, word);
    ComboBoxFind->clear();
    ComboBoxFind->addItems(m_history);
    ComboBoxFind->setEditText(word);
    IntSearchNext = next ? 1 : 0;
    saveValues();

    if (isModalMode()) {
        done(QDialog::Accepted);
        return;
    }
    if (StrParentForm != QLatin1String("Main"))
        return; // "TextEx": the word and the options are stored, nothing is searched
    switch (m_host->searchText(next)) {
    case FindHost::Outcome::Hit:
        if (CheckBoxAutoClose->isChecked())
            closeFind();
        else
            Timer1->start(); // the hit gave the focus to the main window
        break;
    case FindHost::Outcome::NotFound:
        bringToFront();
        break;
    case FindHost::Outcome::Failed:
        break;
    }
}

void TFormFind::closeFind()
{
    Timer1->stop();
    const bool main = !isModalMode();
    if (main)
        m_host->setPlaceholderMenu(false);
    IniFile &ini = m_host->settingsFile();
    PlacementRecord::write(ini, kSection, QStringLiteral("NORMAL"), QRect(pos(), size()));
    ini.writeBool(kOptions, QStringLiteral("MatchCase"), CheckBoxMatchCase->isChecked());
    ini.writeBool(kOptions, QStringLiteral("AutoClose"), CheckBoxAutoClose->isChecked());
    if (isVisible())
        done(QDialog::Rejected);
    QWidget *back = main ? m_host->hostWindow() : parentWidget();
    if (back) {
        back->activateWindow();
        back->raise();
    }
}

void TFormFind::reject()
{
    closeFind();
}

void TFormFind::bringToFront()
{
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

bool TFormFind::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate) {
        StrParentForm = m_host->settingsFile().readString(kSection, QStringLiteral("Parent"), QStringLiteral("Main"));
        if (StrParentForm == QLatin1String("Main"))
            m_host->setPlaceholderMenu(true);
    }
    return PlacedDialog::event(e);
}

void TFormFind::keyPressEvent(QKeyEvent *e)
{
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    if (e->key() == Qt::Key_Escape) {
        if (mods == Qt::NoModifier)
            closeFind();
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->accept(); // no default button
        return;
    }
    PlacedDialog::keyPressEvent(e);
}

bool TFormFind::eventFilter(QObject *watched, QEvent *e)
{
    if ((watched == ComboBoxFind || watched == ComboBoxFind->lineEdit()) && e->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // Enter is always "next"; with a modifier it does nothing.
            if ((key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
                searchNext();
            return true;
        }
    }
    return PlacedDialog::eventFilter(watched, e);
}

void TFormFind::updateMenuForFocus()
{
    const QWidget *focus = QApplication::focusWidget();
    const bool inBox = focus && (focus == ComboBoxFind || focus == ComboBoxFind->lineEdit());
    if (!inBox && focus && focus->window() != this)
        return;
    // Alt or a click on a bar gives the bar (or its menu) the focus for a
    // moment: the bar that was shown stays, or the open menu would lose its
    // bar and both bars would end up shown.
    if (focus && (qobject_cast<const QMenuBar *>(focus) || qobject_cast<const QMenu *>(focus)))
        return;
    // Hide before showing: the two bars share keys.
    if (inBox) {
        MainMenuFind->hide();
        MainMenuFindEdit->show();
    } else {
        MainMenuFindEdit->hide();
        MainMenuFind->show();
    }
}

void TFormFind::copyToClipboard(bool cut)
{
    QLineEdit *box = ComboBoxFind->lineEdit();
    if (!box->hasSelectedText())
        return;
    EditClipboard->setText(box->selectedText());
    EditClipboard->selectAll();
    EditClipboard->copy();
    if (cut)
        box->del(); // removes the selection
}

void TFormFind::pasteFromClipboard()
{
    EditClipboard->clear();
    EditClipboard->paste();
    ComboBoxFind->lineEdit()->insert(EditClipboard->text());
}

} // namespace quillon
