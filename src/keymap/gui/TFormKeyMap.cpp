#include "TFormKeyMap.h"

#include "AppPaths.h"
#include "KeyBoardMessages.h"
#include "KeyMapFile.h"
#include "KeyMapParent.h"
#include "KeyMapTranslation.h"
#include "KeyText.h"
#include "LanguageFile.h"
#include "LanguageSetter.h"
#include "MessageService.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillon {

TFormKeyMap::TFormKeyMap(bool japanese, QWidget *owner)
    : PlacedDialog(QStringLiteral("FormKeyMap"), QStringLiteral("KeyMap.txt"), japanese, owner)
{
    setWindowTitle(QString::fromUtf16(u"キーボードマップ"));
    setMinimumSize(860, 480);
    resize(860, 480);
    StrParentForm = m_ini.readString(QStringLiteral("FormKeyBoard"), QStringLiteral("Parent"), QStringLiteral("Main"));
    m_all = m_ini.readBool(QStringLiteral("ShowKeyMapItem"), QStringLiteral("All"), true);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setColumnCount(5);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setAllColumnsShowFocus(true);
    // The command takes what the other columns leave.
    QHeaderView *header = ListView1->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    ListView1->setColumnWidth(0, 140);
    ListView1->setColumnWidth(2, 200);
    ListView1->setColumnWidth(3, 110);
    ListView1->setColumnWidth(4, 10);
    setColumnTitles();

    ButtonSort0 = addDialogButton(QString::fromUtf16(u"ソート無(&N)"), QStringLiteral("ButtonSort0"), 2201);
    ButtonSort1 = addDialogButton(QString::fromUtf16(u"ソート有(&K)"), QStringLiteral("ButtonSort1"), 2202);
    ButtonCopyToClip = addDialogButton(QString::fromUtf16(u"ｸﾘｯﾌﾟへｺﾋﾟｰ(&L)"), QStringLiteral("ButtonCopyToClip"), 2203);
    ButtonClose = addDialogButton(QString::fromUtf16(u"閉じる(&C)"), QStringLiteral("ButtonClose"), 2204);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ButtonSort0);
    buttons->addWidget(ButtonSort1);
    buttons->addSpacing(16);
    buttons->addWidget(ButtonCopyToClip);
    buttons->addStretch(1);
    buttons->addWidget(ButtonClose);
    auto *column = new QVBoxLayout(this);
    column->addWidget(ListView1, 1);
    column->addLayout(buttons);

    TimerMissing = new QTimer(this);
    TimerMissing->setSingleShot(true);
    TimerMissing->setInterval(100);
    connect(TimerMissing, &QTimer::timeout, this, [this] { message(KeyBoardMessages::keyMapFileMissing()); });

    connect(ButtonSort0, &QPushButton::clicked, this, &TFormKeyMap::SetKeySort0);
    connect(ButtonSort1, &QPushButton::clicked, this, &TFormKeyMap::SetKeySort1);
    connect(ButtonCopyToClip, &QPushButton::clicked, this, &TFormKeyMap::copyToClipboard);
    connect(ButtonClose, &QPushButton::clicked, this, &QDialog::reject);

    if (m_ini.readBool(QStringLiteral("Developer"), QStringLiteral("Enabled"), false))
        LanguageSetter::installDeveloperKeys(this, [this](bool japanese) { switchLanguage(japanese); });
}

TFormKeyMap::~TFormKeyMap() = default;

QPushButton *TFormKeyMap::buttonNamed(const QString &name) const
{
    return findChild<QPushButton *>(name, Qt::FindDirectChildrenOnly);
}

QString TFormKeyMap::filePath() const
{
    const KeyMapParent parent = KeyMapParent::forName(StrParentForm);
    return m_all ? parent.keyMapPath() : parent.differencePath();
}

void TFormKeyMap::setColumnTitles()
{
    if (BoolJapanese)
        ListView1->setHeaderLabels({QString::fromUtf16(u"カテゴリ"), QString::fromUtf16(u"コマンド"),
                                    QString::fromUtf16(u"現在のキー"), QString::fromUtf16(u"機能"), QString()});
    else
        ListView1->setHeaderLabels({QStringLiteral("Category"), QStringLiteral("Command"),
                                    QStringLiteral("Current Key"), QStringLiteral("Function"), QString()});
}

void TFormKeyMap::firstShown()
{
    applyLanguageFile();
    loadAndShow();
}

void TFormKeyMap::applyLanguageFile()
{
    LanguageSetter::apply(this, LanguageFile::path(QStringLiteral("KeyMap.txt")), BoolJapanese, &m_ini,
                          LanguageSetter::messageBox(this, BoolJapanese));
}

void TFormKeyMap::loadAndShow()
{
    ReadKeyMapFromFile();
    KeyMapTranslation::SetKeyMapJpnEng(BoolJapanese, StrListKeyMap,
                                       KeyMapParent::forName(StrParentForm).commandLanguageFile);
    GetKeySort1();
    SetKeySort0();
}

void TFormKeyMap::ReadKeyMapFromFile()
{
    const QString path = filePath();
    BoolFileExist = QFileInfo::exists(path);
    StrListKeyMap = BoolFileExist ? KeyMapFile::read(path) : QStringList();
    if (!BoolFileExist)
        TimerMissing->start();
}

void TFormKeyMap::GetKeySort1()
{
    StrListKeyMapKey = KeyMapListing::GetKeySort1(StrListKeyMap);
}

void TFormKeyMap::fill(const QStringList &lines)
{
    ListView1->clear();
    for (const QString &line : lines) {
        const KeyMapFields f = KeyText::splitKeyMapLine(line);
        auto *row = new QTreeWidgetItem(ListView1);
        row->setText(0, f.category.toString());
        row->setText(1, f.name.toString());
        row->setText(2, f.keyText.toString());
        row->setText(3, f.code.toString());
    }
    StrListKeyMapClip = lines;
    if (ListView1->topLevelItemCount() > 0) {
        ListView1->setCurrentItem(ListView1->topLevelItem(0));
        ListView1->setFocus();
    }
}

void TFormKeyMap::SetKeySort0()
{
    fill(StrListKeyMap);
}

void TFormKeyMap::SetKeySort1()
{
    fill(KeyMapListing::sortedView(StrListKeyMapKey));
}

void TFormKeyMap::copyToClipboard()
{
    QString text;
    for (const QString &line : std::as_const(StrListKeyMapClip))
        text += line + QStringLiteral("\r\n");
    QApplication::clipboard()->setText(text);
}

void TFormKeyMap::switchLanguage(bool japanese)
{
    BoolJapanese = japanese;
    applyLanguageFile();
    setColumnTitles();
    loadAndShow();
    message(KeyBoardMessages::darkModeNote());
}

void TFormKeyMap::message(const MessageText &text)
{
    MessageService::show(this, BoolJapanese ? text.japanese : text.english);
}

} // namespace quillon
