#include "TFormLauncher.h"

#include "MessageService.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quillon {

namespace {

QString J(const char16_t *s)
{
    return QString::fromUtf16(s);
}

enum Column { ColNo, ColFile, ColAutoExit, ColOptions, ColEnd };

// "有効" and "無効" stand in the list in both languages.
const char16_t *const onText = u"有効";
const char16_t *const offText = u"無効";

} // namespace

TFormLauncher::TFormLauncher(bool japanese, QWidget *parent)
    : PlacedDialog(QStringLiteral("FormLauncher"), QStringLiteral("Launcher.txt"), japanese, parent)
{
    setWindowTitle(J(u"外部プログラム設定"));
    setMinimumSize(760, 470);
    resize(760, 470);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->header()->setSectionsMovable(false);
    ListView1->header()->setStretchLastSection(false);
    ListView1->installEventFilter(this);
    ListView1->setHeaderLabels(japanese ? QStringList{QStringLiteral("No"), J(u"ファイル名"), J(u"自動終了"), J(u"引数"), QString()}
                                        : QStringList{QStringLiteral("No"), QStringLiteral("FileName"),
                                                      QStringLiteral("AutoExit"), QStringLiteral("Parameter"), QString()});
    static constexpr int widths[] = {35, 480, 100, 300, 10};
    for (int c = 0; c < 5; ++c)
        ListView1->setColumnWidth(c, widths[c]);

    LabelFileName = new QLabel(J(u"ファイル名(&N)"), this);
    LabelFileName->setObjectName(QStringLiteral("LabelFileName"));
    LabelFileName->setProperty("tag", 2001);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    LabelFileName->setBuddy(Edit1);
    ButtonBrowse = addDialogButton(J(u"一覧(&L)"), QStringLiteral("ButtonBrowse"), 2201);
    LabelMery = new QLabel(J(u"Meryの場合 C:\\tool\\Mery.exe"), this);
    LabelMery->setObjectName(QStringLiteral("LabelMery"));
    LabelMery->setProperty("tag", 2002);
    CheckBoxAutoExit = new QCheckBox(J(u"自動終了(&E)"), this);
    CheckBoxAutoExit->setObjectName(QStringLiteral("CheckBoxAutoExit"));
    CheckBoxAutoExit->setProperty("tag", 6001);
    LabelOptions = new QLabel(J(u"引数(&A)"), this);
    LabelOptions->setObjectName(QStringLiteral("LabelOptions"));
    LabelOptions->setProperty("tag", 2003);
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setProperty("tag", 7001);
    ComboBox2->addItems(japanese ? QStringList{QStringLiteral(" "), J(u"$(FileNameEx):ファイル名"), J(u"$(CurLine):現在行"),
                                               J(u"/l $(CurLine) \"$(FileNameEx)\": Meryの場合"),
                                               J(u"/J $(CurLine) $(FileNameEx): 秀丸の場合")}
                                 : QStringList{QStringLiteral(" "), QStringLiteral("$(FileNameEx):FileName"),
                                               QStringLiteral("$(CurLine):Current Row Number"),
                                               QStringLiteral("/l $(CurLine) \"$(FileNameEx)\": Editor Mery"),
                                               QStringLiteral("/J $(CurLine) $(FileNameEx): Editor Hidemaru")});
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    LabelOptions->setBuddy(Edit2);
    ButtonOK = addDialogButton(QStringLiteral("OK(&O)"), QStringLiteral("ButtonOK"), 2202);
    ButtonCancel = addDialogButton(J(u"ｷｬﾝｾﾙ(&C)"), QStringLiteral("ButtonCancel"), 2203);

    auto *grid = new QGridLayout;
    grid->addWidget(LabelFileName, 0, 0);
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(ButtonBrowse, 0, 2);
    grid->addWidget(LabelMery, 1, 1);
    grid->addWidget(CheckBoxAutoExit, 2, 1);
    grid->addWidget(LabelOptions, 3, 0);
    auto *optionsRow = new QHBoxLayout;
    ComboBox2->setMinimumContentsLength(14);
    ComboBox2->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    optionsRow->addWidget(ComboBox2);
    optionsRow->addWidget(Edit2, 1);
    grid->addLayout(optionsRow, 3, 1);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto *column = new QVBoxLayout(this);
    column->addWidget(ListView1, 1);
    column->addLayout(grid);
    column->addLayout(buttons);

    // The five rows as the settings file holds them.
    for (int n = 1; n <= LauncherEntry::Count; ++n) {
        const LauncherEntry e = LauncherEntry::read(m_ini, n);
        auto *item = new QTreeWidgetItem(ListView1);
        item->setText(ColNo, QString::number(n));
        item->setText(ColFile, e.folderFile);
        item->setText(ColAutoExit, enabledText(e.autoExit));
        item->setText(ColOptions, e.options);
    }

    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TFormLauncher::loadRow);
    connect(Edit1, &QLineEdit::textEdited, this, [this](const QString &t) { writeColumn(ColFile, t); });
    connect(Edit2, &QLineEdit::textChanged, this, [this](const QString &t) { writeColumn(ColOptions, t); });
    connect(CheckBoxAutoExit, &QCheckBox::toggled, this,
            [this](bool on) { writeColumn(ColAutoExit, enabledText(on)); });
    connect(ComboBox2, &QComboBox::activated, this, &TFormLauncher::exampleChosen);
    connect(ButtonBrowse, &QPushButton::clicked, this, &TFormLauncher::browse);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormLauncher::onOk);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QWidget *w : {static_cast<QWidget *>(Edit1), static_cast<QWidget *>(ComboBox2), static_cast<QWidget *>(Edit2)})
        w->installEventFilter(this);

    ListView1->setCurrentItem(ListView1->topLevelItem(0));
    markSelectedRow(false);
    ListView1->setFocus();
}

TFormLauncher::~TFormLauncher() = default;

QString TFormLauncher::enabledText(bool on) const
{
    return J(on ? onText : offText);
}

QString TFormLauncher::browseFilter()
{
    // Programs here rarely have an extension: "All" matches every name.
    return QStringLiteral("Exe(*.exe)|*.exe|All(*.*)|*");
}

std::array<LauncherEntry, LauncherEntry::Count> TFormLauncher::entries() const
{
    std::array<LauncherEntry, LauncherEntry::Count> out;
    for (int i = 0; i < LauncherEntry::Count; ++i) {
        const QTreeWidgetItem *item = ListView1->topLevelItem(i);
        out[size_t(i)].folderFile = item->text(ColFile);
        out[size_t(i)].options = item->text(ColOptions);
        out[size_t(i)].autoExit = item->text(ColAutoExit) == J(onText);
    }
    return out;
}

void TFormLauncher::loadRow()
{
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return;
    const QTreeWidgetItem *item = selected.first();
    m_loading = true;
    Edit1->setText(item->text(ColFile));
    CheckBoxAutoExit->setChecked(item->text(ColAutoExit) == J(onText));
    Edit2->setText(item->text(ColOptions));
    m_loading = false;
}

void TFormLauncher::writeColumn(int column, const QString &text)
{
    if (m_loading)
        return;
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty())
        return; // no row chosen: the edit changes no row
    selected.first()->setText(column, text);
}

void TFormLauncher::exampleChosen(int index)
{
    const QString entry = ComboBox2->itemText(index);
    if (index <= 0 || entry.trimmed().isEmpty()) {
        Edit2->clear();
        return;
    }
    const qsizetype colon = entry.indexOf(u':');
    Edit2->setText(colon < 0 ? entry : entry.left(colon));
}

void TFormLauncher::browse()
{
    OpenFileRequest request;
    request.filter = browseFilter();
    request.filterIndex = 1;
    const QFileInfo current(Edit1->text());
    if (!Edit1->text().isEmpty() && current.isFile())
        request.initialPath = current.absoluteFilePath();
    QString chosen;
    if (!MessageService::dialogs().openFile(this, request, &chosen) || chosen.isEmpty())
        return;
    Edit1->setText(chosen);
    writeColumn(ColFile, chosen);
}

void TFormLauncher::onOk()
{
    IniBatch batch(m_ini);
    const auto rows = entries();
    for (int n = 1; n <= LauncherEntry::Count; ++n)
        rows[size_t(n - 1)].write(batch, n);
    batch.commit();
    accept();
}

void TFormLauncher::markSelectedRow(bool listHasFocus)
{
    // Without the focus the selected row is drawn in aqua, so the row the
    // editors change stays plain to see.
    QPalette pal = ListView1->palette();
    const QPalette normal = QApplication::palette(ListView1);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight,
                     listHasFocus ? normal.color(group, QPalette::Highlight) : QColor(0x00, 0xFF, 0xFF));
        pal.setColor(group, QPalette::HighlightedText,
                     listHasFocus ? normal.color(group, QPalette::HighlightedText) : QColor(Qt::black));
    }
    ListView1->setPalette(pal);
}

bool TFormLauncher::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1 && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        markSelectedRow(event->type() == QEvent::FocusIn);
    // Enter and Esc typed into the editors are swallowed: neither closes the dialog.
    if (event->type() == QEvent::KeyPress
        && (watched == Edit1 || watched == Edit2 || watched == ComboBox2)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)
            return true;
    }
    return PlacedDialog::eventFilter(watched, event);
}

} // namespace quillon
