#include "TFormKeyBoard.h"

#include "AppPaths.h"
#include "KeyBoardMessages.h"
#include "KeyConflicts.h"
#include "KeyDifference.h"
#include "KeyListDelegate.h"
#include "KeyMapFile.h"
#include "KeyMapTranslation.h"
#include "KeyText.h"
#include "LanguageFile.h"
#include "LanguageSetter.h"
#include "TFormKeyMap.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillon {

namespace {

const QString kSection = QStringLiteral("FormKeyBoard");
// The blank choice of the selectors is a single space.
const QString kBlank = QStringLiteral(" ");

enum Column { ColumnName, ColumnKey, ColumnCode, ColumnMargin };

QComboBox *selector(QWidget *parent, const QString &name, const QStringList &choices, int visibleRows)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(choices);
    box->setMaxVisibleItems(visibleRows);
    return box;
}

} // namespace

TFormKeyBoard::TFormKeyBoard(KeyMapParent parent, bool japanese, QWidget *owner)
    : PlacedDialog(QStringLiteral("FormKeyBoard"), QStringLiteral("KeyBoard.txt"), japanese, owner)
    , StrParentForm(parent.name)
    , m_parent(std::move(parent))
{
    setWindowTitle(QString::fromUtf16(u"キーボード設定"));
    setMinimumSize(900, 460);
    resize(900, 460);
    createControls();
    setColumnTitles();

    if (m_ini.readBool(QStringLiteral("Developer"), QStringLiteral("Enabled"), false))
        LanguageSetter::installDeveloperKeys(this, [this](bool japanese) { switchLanguage(japanese); });
}

TFormKeyBoard::~TFormKeyBoard() = default;

TFormKeyBoard *TFormKeyBoard::openFor(KeyMapParent parent, bool japanese, QWidget *owner, std::function<void()> onOk)
{
    {
        IniFile ini(AppPaths::settingsPath());
        ini.writeString(kSection, QStringLiteral("Parent"), parent.name);
    }
    auto *dialog = new TFormKeyBoard(std::move(parent), japanese, owner);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, owner ? static_cast<QObject *>(owner) : dialog,
            [onOk = std::move(onOk)](int result) {
                if (result == QDialog::Accepted && onOk)
                    onOk();
            });
    dialog->open();
    return dialog;
}

void TFormKeyBoard::createControls()
{
    LabelCategory = new QLabel(QString::fromUtf16(u"カテゴリ(&L)"), this);
    LabelCategory->setObjectName(QStringLiteral("LabelCategory"));
    LabelCategory->setProperty("tag", 2001);
    ComboBox1 = selector(this, QStringLiteral("ComboBox1"), {}, 12);
    ComboBox1->setMinimumContentsLength(16);
    LabelCategory->setBuddy(ComboBox1);

    LabelNewKey = new QLabel(QString::fromUtf16(u"新キー(&N)"), this);
    LabelNewKey->setObjectName(QStringLiteral("LabelNewKey"));
    LabelNewKey->setProperty("tag", 2002);
    ComboBox2 = selector(this, QStringLiteral("ComboBox2"), {kBlank, QStringLiteral("Shift")}, 12);
    ComboBox3 = selector(this, QStringLiteral("ComboBox3"), {kBlank, QStringLiteral("Ctrl")}, 12);
    ComboBox4 = selector(this, QStringLiteral("ComboBox4"), {kBlank, QStringLiteral("Alt")}, 12);
    ComboBox5 = selector(this, QStringLiteral("ComboBox5"), QStringList{kBlank} + KeyChange::selectorKeyNames(), 22);
    m_keySelectors = {ComboBox2, ComboBox3, ComboBox4, ComboBox5};
    LabelNewKey->setBuddy(ComboBox5);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(4);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setItemDelegate(new KeyListDelegate(ListView1));

    ButtonInitHarbek = addDialogButton(QString::fromUtf16(u"初期化:Harbek(&I)"), QStringLiteral("ButtonInitHarbek"), 2201);
    ButtonInitMemo = addDialogButton(QString::fromUtf16(u"初期化:メモ帳 (&J)"), QStringLiteral("ButtonInitMemo"), 2202);
    ButtonClear = addDialogButton(QString::fromUtf16(u"ｸﾘｱ(&R)"), QStringLiteral("ButtonClear"), 2203);
    ButtonOK = addDialogButton(QString::fromUtf16(u"保存(&O)"), QStringLiteral("ButtonOK"), 2204);
    ButtonCancel = addDialogButton(QString::fromUtf16(u"閉じる(&C)"), QStringLiteral("ButtonCancel"), 2205);
    ButtonDiffToFile = addDialogButton(QString::fromUtf16(u"変更分を保存(&S)"), QStringLiteral("ButtonDiffToFile"), 2206);
    ButtonButtonLoadFromFile =
        addDialogButton(QString::fromUtf16(u"変更分を反映(&A)"), QStringLiteral("ButtonButtonLoadFromFile"), 2207);
    ButtonShowAll = addDialogButton(QString::fromUtf16(u"全てを表示(&P)"), QStringLiteral("ButtonShowAll"), 2208);
    ButtonShowDiff = addDialogButton(QString::fromUtf16(u"変更分を表示(&D)"), QStringLiteral("ButtonShowDiff"), 2209);

    // Top: the category, then the four selectors each under its fixed label.
    auto *top = new QGridLayout;
    top->addWidget(LabelCategory, 0, 0);
    top->addWidget(ComboBox1, 1, 0);
    top->setColumnMinimumWidth(1, 24);
    top->addWidget(LabelNewKey, 1, 2);
    const char16_t *fixed[] = {u"Shift(&1)", u"Ctrl(&2)", u"Alt(&3)", u"Key(&4)"};
    for (int i = 0; i < 4; ++i) {
        auto *label = new QLabel(QString::fromUtf16(fixed[i]), this);
        label->setObjectName(QStringLiteral("LabelSelector%1").arg(i + 1));
        label->setBuddy(m_keySelectors[size_t(i)]);
        top->addWidget(label, 0, 3 + i);
        top->addWidget(m_keySelectors[size_t(i)], 1, 3 + i);
    }
    top->setColumnStretch(7, 1);

    auto *side = new QVBoxLayout;
    side->addWidget(ButtonInitHarbek);
    side->addWidget(ButtonInitMemo);
    side->addSpacing(12);
    side->addWidget(ButtonClear);
    side->addStretch(1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(ListView1, 1);
    middle->addLayout(side);

    auto *bottom = new QHBoxLayout;
    for (QPushButton *b : {ButtonOK, ButtonCancel})
        bottom->addWidget(b);
    bottom->addSpacing(16);
    for (QPushButton *b : {ButtonDiffToFile, ButtonButtonLoadFromFile})
        bottom->addWidget(b);
    bottom->addSpacing(16);
    for (QPushButton *b : {ButtonShowAll, ButtonShowDiff})
        bottom->addWidget(b);
    bottom->addStretch(1);

    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(middle, 1);
    column->addLayout(bottom);

    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            SetCommand();
    });
    for (QComboBox *box : m_keySelectors)
        connect(box, &QComboBox::activated, this, &TFormKeyBoard::ChangePresentKey);
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this] {
        if (!m_filling)
            SetPresentKey();
    });
    connect(ButtonInitHarbek, &QPushButton::clicked, this, [this] { initialize(0); });
    connect(ButtonInitMemo, &QPushButton::clicked, this, [this] { initialize(1); });
    connect(ButtonClear, &QPushButton::clicked, this, [this] {
        for (QComboBox *box : m_keySelectors)
            box->setCurrentIndex(0);
        ChangePresentKey();
    });
    connect(ButtonOK, &QPushButton::clicked, this, &TFormKeyBoard::save);
    connect(ButtonCancel, &QPushButton::clicked, this, &TFormKeyBoard::reject);
    connect(ButtonDiffToFile, &QPushButton::clicked, this, &TFormKeyBoard::saveDifference);
    connect(ButtonButtonLoadFromFile, &QPushButton::clicked, this, &TFormKeyBoard::applyDifference);
    connect(ButtonShowAll, &QPushButton::clicked, this, [this] { showKeyMapList(true); });
    connect(ButtonShowDiff, &QPushButton::clicked, this, [this] { showKeyMapList(false); });
}

QPushButton *TFormKeyBoard::buttonNamed(const QString &name) const
{
    return findChild<QPushButton *>(name, Qt::FindDirectChildrenOnly);
}

void TFormKeyBoard::setColumnTitles()
{
    // The name takes what the key, the code and the margin leave.
    QHeaderView *header = ListView1->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(ColumnName, QHeaderView::Stretch);
    ListView1->setColumnWidth(ColumnKey, 200);
    ListView1->setColumnWidth(ColumnCode, 110);
    ListView1->setColumnWidth(ColumnMargin, 10);
    if (BoolJapanese)
        ListView1->setHeaderLabels({QString::fromUtf16(u"コマンド"), QString::fromUtf16(u"現在のキー"),
                                    QString::fromUtf16(u"機能"), QString()});
    else
        ListView1->setHeaderLabels({QStringLiteral("Command"), QStringLiteral("Current Key"),
                                    QStringLiteral("Function"), QString()});
}

void TFormKeyBoard::firstShown()
{
    applyLanguageFile();
    loadAndShow();
}

void TFormKeyBoard::applyLanguageFile()
{
    LanguageSetter::apply(this, LanguageFile::path(QStringLiteral("KeyBoard.txt")), BoolJapanese, &m_ini,
                          LanguageSetter::messageBox(this, BoolJapanese));
}

void TFormKeyBoard::loadAndShow()
{
    ReadKeyMapFromFile();
    KeyMapTranslation::SetKeyMapJpnEng(BoolJapanese, StrListKeyMap, m_parent.commandLanguageFile);
    SetThisCategory();
    SetCommand();
    ComboBox1->setFocus();
}

void TFormKeyBoard::ReadKeyMapFromFile()
{
    StrListKeyMap.clear();
    const QString path = m_parent.keyMapPath();
    if (!QFileInfo::exists(path))
        return;
    bool ok = false;
    StrListKeyMap = KeyMapFile::read(path, &ok);
    if (!ok)
        message(KeyBoardMessages::notRead(path, QString()));
}

void TFormKeyBoard::SetThisCategory()
{
    if (StrListKeyMap.isEmpty())
        return;
    m_filling = true;
    ComboBox1->clear();
    for (const QString &code : std::as_const(m_parent.categoryCodes)) {
        const qsizetype index = KeyChange::indexOfCode(StrListKeyMap, code);
        if (index >= 0)
            ComboBox1->addItem(KeyText::splitKeyMapLine(StrListKeyMap[index]).category.toString());
    }
    ComboBox1->setCurrentIndex(ComboBox1->count() > 0 ? 0 : -1);
    m_filling = false;
}

void TFormKeyBoard::SetCommand()
{
    m_filling = true;
    ListView1->clear();
    const QString category = ComboBox1->currentText();
    for (const QString &line : std::as_const(StrListKeyMap)) {
        const KeyMapFields f = KeyText::splitKeyMapLine(line);
        if (f.category != category)
            continue;
        auto *row = new QTreeWidgetItem(ListView1);
        row->setText(ColumnName, f.name.toString());
        row->setText(ColumnKey, f.keyText.toString());
        row->setText(ColumnCode, f.code.toString());
    }
    refreshConflictMarks();
    m_filling = false;
    if (ListView1->topLevelItemCount() > 0) {
        ListView1->setCurrentItem(ListView1->topLevelItem(0));
        ListView1->setFocus();
    }
    SetPresentKey();
}

void TFormKeyBoard::refreshConflictMarks()
{
    const KeyConflicts conflicts(StrListKeyMap, {m_parent.defaults ? m_parent.defaults(0) : QStringList(),
                                                 m_parent.defaults ? m_parent.defaults(1) : QStringList()});
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = ListView1->topLevelItem(i);
        const qsizetype line = KeyChange::indexOfCode(StrListKeyMap, row->text(ColumnCode));
        const QList<qsizetype> others = conflicts.othersOf(line);
        QStringList names;
        for (qsizetype other : others) {
            const KeyMapFields f = KeyText::splitKeyMapLine(StrListKeyMap[other]);
            names.append(u'[' + f.category.toString() + QStringLiteral("] ") + f.name.toString().trimmed());
        }
        QFont font = ListView1->font();
        font.setBold(!names.isEmpty());
        row->setFont(ColumnKey, font);
        row->setData(ColumnKey, Qt::ForegroundRole, names.isEmpty() ? QVariant() : QVariant(QBrush(Qt::red)));
        row->setData(ColumnKey, Qt::UserRole, !names.isEmpty());
        const QString also = BoolJapanese ? QString::fromUtf16(u"同じキーのコマンド : ") : QStringLiteral("Also on : ");
        row->setToolTip(ColumnKey, names.isEmpty() ? QString() : also + names.join(QStringLiteral(", ")));
    }
}

QTreeWidgetItem *TFormKeyBoard::selectedRow()
{
    if (!ListView1->currentItem() && ListView1->topLevelItemCount() > 0)
        ListView1->setCurrentItem(ListView1->topLevelItem(0));
    return ListView1->currentItem();
}

void TFormKeyBoard::SetPresentKey()
{
    QTreeWidgetItem *row = selectedRow();
    if (!row)
        return;
    const KeySelection s = KeyChange::parse(row->text(ColumnKey));
    ComboBox2->setCurrentIndex(s.shift ? 1 : 0);
    ComboBox3->setCurrentIndex(s.ctrl ? 1 : 0);
    ComboBox4->setCurrentIndex(s.alt ? 1 : 0);
    if (s.key.isEmpty()) {
        ComboBox5->setCurrentIndex(0);
        return;
    }
    for (int i = 1; i < ComboBox5->count(); ++i) {
        if (ComboBox5->itemText(i).trimmed() == s.key) {
            ComboBox5->setCurrentIndex(i);
            return;
        }
    }
    // A key name the selector does not offer leaves it as it was.
}

KeySelection TFormKeyBoard::selection() const
{
    KeySelection s;
    s.shift = ComboBox2->currentIndex() > 0;
    s.ctrl = ComboBox3->currentIndex() > 0;
    s.alt = ComboBox4->currentIndex() > 0;
    s.key = ComboBox5->currentIndex() > 0 ? ComboBox5->currentText().trimmed() : QString();
    return s;
}

void TFormKeyBoard::ChangePresentKey()
{
    const KeySelection s = selection();
    QTreeWidgetItem *row = nullptr;
    if (!s.key.isEmpty() || !(s.shift || s.ctrl || s.alt))
        row = selectedRow();
    const QString code = row ? row->text(ColumnCode) : QString();
    const KeyChangeResult r = KeyChange::change(StrListKeyMap, code, s);
    using Outcome = KeyChangeResult::Outcome;
    switch (r.outcome) {
    case Outcome::ModifierWithoutKey: message(KeyBoardMessages::modifierWithoutKey()); return;
    case Outcome::SameSetting: message(KeyBoardMessages::sameSetting()); return;
    case Outcome::InUse: message(KeyBoardMessages::alreadyUsed(r.usedByCategory)); return;
    case Outcome::Changed: break;
    }
    if (row) {
        row->setText(ColumnKey, r.keyText);
        refreshConflictMarks();
    }
}

bool TFormKeyBoard::writeKeyMap()
{
    const WriteResult w = KeyMapFile::write(m_parent.keyMapPath(), StrListKeyMap);
    if (!w.ok)
        message(KeyBoardMessages::notWritten(m_parent.keyMapPath(), w.error));
    return w.ok;
}

void TFormKeyBoard::save()
{
    const KeyConflicts conflicts(StrListKeyMap, {m_parent.defaults ? m_parent.defaults(0) : QStringList(),
                                                 m_parent.defaults ? m_parent.defaults(1) : QStringList()});
    if (conflicts.any()
        && message(KeyBoardMessages::conflictsQuestion(conflicts.describe(StrListKeyMap)), MessageButtons::YesNo)
            != MessageAnswer::Yes)
        return;
    if (!writeKeyMap())
        return; // the working map stays; nothing is lost
    done(Accepted);
}

void TFormKeyBoard::reject()
{
    done(BoolSaveToFile ? Accepted : Rejected);
}

void TFormKeyBoard::initialize(int exeType)
{
    if (message(KeyBoardMessages::initializeQuestion(), MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const QStringList catalogue = m_parent.defaults ? m_parent.defaults(exeType) : QStringList();
    if (m_parent.setCatalogue)
        m_parent.setCatalogue(catalogue);
    const WriteResult w = KeyMapFile::write(m_parent.keyMapPath(), catalogue);
    if (w.ok) {
        BoolSaveToFile = true;
        ReadKeyMapFromFile();
    } else {
        // The file keeps the user's keys; the defaults are shown, as chosen.
        message(KeyBoardMessages::notWritten(m_parent.keyMapPath(), w.error));
        StrListKeyMap = catalogue;
    }
    // The owner's catalogue stays filer-style.
    if (exeType != 0 && m_parent.setCatalogue && m_parent.defaults)
        m_parent.setCatalogue(m_parent.defaults(0));
    KeyMapTranslation::SetKeyMapJpnEng(BoolJapanese, StrListKeyMap, m_parent.commandLanguageFile);
    SetThisCategory();
    SetCommand();
    ComboBox1->setFocus();
}

void TFormKeyBoard::saveDifference()
{
    if (message(KeyBoardMessages::saveDifferenceQuestion(), MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const QStringList defaults = m_parent.defaults ? m_parent.defaults(0) : QStringList();
    const WriteResult w = KeyMapFile::writeDifference(m_parent.differencePath(), StrListKeyMap, defaults);
    if (!w.ok) {
        message(KeyBoardMessages::notWritten(m_parent.differencePath(), w.error));
        return;
    }
    message(KeyBoardMessages::differenceSaved(m_parent.files.difference));
}

void TFormKeyBoard::applyDifference()
{
    if (message(KeyBoardMessages::applyDifferenceQuestion(), MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    const DifferenceRead read = KeyDifference::read(m_parent.differencePath());
    if (!read.exists) {
        message(KeyBoardMessages::differenceMissing(m_parent.files.difference));
    } else if (!read.readable) {
        message(KeyBoardMessages::notRead(m_parent.differencePath(), read.error));
    } else {
        const QList<DifferenceProblem> problems = KeyDifference::apply(StrListKeyMap, read.lines);
        BoolSaveToFile = true;
        message(KeyBoardMessages::differenceApplied(m_parent.files.difference, problems));
    }
    // Written in every case, as the map now stands.
    (void)writeKeyMap();
    SetCommand();
}

void TFormKeyBoard::showKeyMapList(bool all)
{
    m_ini.writeBool(QStringLiteral("ShowKeyMapItem"), QStringLiteral("All"), all);
    auto *list = new TFormKeyMap(BoolJapanese, this);
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->open();
}

void TFormKeyBoard::switchLanguage(bool japanese)
{
    BoolJapanese = japanese;
    applyLanguageFile();
    setColumnTitles();
    loadAndShow(); // unsaved changes go with the re-read
}

MessageAnswer TFormKeyBoard::message(const MessageText &text, MessageButtons buttons)
{
    return MessageService::show(this, BoolJapanese ? text.japanese : text.english, buttons);
}

} // namespace quillon
