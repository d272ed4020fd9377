#include "TFormLineSetting.h"

#include "MainSettings.h"
#include "MessageService.h"
#include "NumberEntry.h"
#include "TDecEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

TFormLineSetting::TFormLineSetting(bool japanese, QWidget *parent, MessageHook message)
    : PlacedDialog(QStringLiteral("FormLineSetting"), QStringLiteral("LineSetting.txt"), japanese, parent,
                   Placing::BySelf)
    , m_message(std::move(message))
{
    setWindowTitle(QString::fromUtf16(u"行番号表示設定"));

    LabelWidth = new QLabel(QString::fromUtf16(u"表示幅(&W)"), this);
    LabelWidth->setObjectName(QStringLiteral("LabelWidth"));
    LabelWidth->setProperty("tag", 2001);
    EditWidth = new TDecEdit(this);
    EditWidth->setObjectName(QStringLiteral("EditWidth"));
    LabelWidth->setBuddy(EditWidth);
    LabelWidthDefault = new QLabel(QStringLiteral("[80]"), this);
    LabelWidthDefault->setObjectName(QStringLiteral("LabelWidthDefault"));

    RadioGroupLineZero = new QGroupBox(QString::fromUtf16(u"番号表示(&L)"), this);
    RadioGroupLineZero->setObjectName(QStringLiteral("RadioGroupLineZero"));
    RadioGroupLineZero->setProperty("tag", 5001);
    auto *items = new QVBoxLayout(RadioGroupLineZero);
    for (const char16_t *caption : {u"先頭は空白で埋める", u"先頭はゼロで埋める"})
        items->addWidget(new QRadioButton(QString::fromUtf16(caption), RadioGroupLineZero));

    ButtonOK = addOkButton(QStringLiteral("ButtonOK"));
    ButtonCancel = addCancelButton();

    auto *row = new QHBoxLayout;
    row->addWidget(LabelWidth);
    row->addWidget(EditWidth, 1);
    row->addWidget(LabelWidthDefault);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto *column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(RadioGroupLineZero);
    column->addLayout(buttons);
    resize(300, sizeHint().height());

    MainSettings settings;
    settings.reload(m_ini, MainKey::LineWidth);
    settings.reload(m_ini, MainKey::LineZero);
    EditWidth->setText(QString::number(settings.lineWidth));
    // A stored index outside the two items selects none, as it was stored.
    if (QRadioButton *item = paddingItem(settings.lineZero))
        item->setChecked(true);

    connect(ButtonOK, &QPushButton::clicked, this, &TFormLineSetting::onOk);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormLineSetting::~TFormLineSetting() = default;

QRadioButton *TFormLineSetting::paddingItem(int index) const
{
    const QList<QRadioButton *> items = RadioGroupLineZero->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly);
    return index >= 0 && index < items.size() ? items[index] : nullptr;
}

void TFormLineSetting::shown()
{
    EditWidth->setFocus();
    EditWidth->selectAll();
}

void TFormLineSetting::onOk()
{
    const std::optional<int> width = NumberEntry::wholeNumber(EditWidth->text());
    if (!width) {
        const MessageText text = NumberEntry::notAWholeNumber(LabelWidth->text());
        if (m_message)
            m_message(text.japanese, text.english);
        else
            MessageService::show(this, BoolJapanese ? text.japanese : text.english);
        EditWidth->setFocus();
        return;
    }
    MainSettings settings;
    settings.lineWidth = *width;
    settings.save(m_ini, MainKey::LineWidth);
    for (int i = 0; i < 2; ++i) {
        if (paddingItem(i)->isChecked()) {
            settings.lineZero = i;
            settings.save(m_ini, MainKey::LineZero);
        }
    }
    accept();
}

} // namespace quillon
