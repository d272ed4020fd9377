#include "TFormKigouSetting.h"

#include "MainSettings.h"
#include "MessageService.h"
#include "NumberEntry.h"
#include "TDecEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

namespace {

struct MarkSpec {
    const char16_t *caption;
    const char *labelName;
    const char *editName;
    const char *defaultText;
    MainKey editorKey;
    MainKey harbekanKey;
    int MainSettings::*editorValue;
    int MainSettings::*harbekanValue;
};

constexpr MarkSpec kMarks[4] = {
    {u"改行(&L)", "LabelRet", "EditRet", "[15]", MainKey::ShiftRet, MainKey::HarbekanShiftRet,
     &MainSettings::shiftRet, &MainSettings::harbekanShiftRet},
    {u"終端(&E)", "LabelEof", "EditEof", "[12]", MainKey::ShiftEof, MainKey::HarbekanShiftEof,
     &MainSettings::shiftEof, &MainSettings::harbekanShiftEof},
    {u"タブ(&T)", "LabelTab", "EditTab", "[ 8]", MainKey::ShiftTab, MainKey::HarbekanShiftTab,
     &MainSettings::shiftTab, &MainSettings::harbekanShiftTab},
    {u"全角空白(&D)", "LabelDbcs", "EditDbcs", "[13]", MainKey::ShiftDbcs, MainKey::HarbekanShiftDbcs,
     &MainSettings::shiftDbcs, &MainSettings::harbekanShiftDbcs},
};

} // namespace

TFormKigouSetting::TFormKigouSetting(bool japanese, bool sameAsHarbekan, QWidget *parent, MessageHook message)
    : PlacedDialog(QStringLiteral("FormKigouSetting"), QStringLiteral("KigouSetting.txt"), japanese, parent,
                   Placing::BySelf)
    , m_message(std::move(message))
    , m_sameAsHarbekan(sameAsHarbekan)
{
    setWindowTitle(QString::fromUtf16(u"記号表示位置設定"));

    MainSettings settings;
    auto *grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        const MarkSpec &spec = kMarks[i];
        auto *label = new QLabel(QString::fromUtf16(spec.caption), this);
        label->setObjectName(QLatin1String(spec.labelName));
        label->setProperty("tag", 2001 + i);
        auto *edit = new TDecEdit(this);
        edit->setObjectName(QLatin1String(spec.editName));
        label->setBuddy(edit);
        auto *hint = new QLabel(QLatin1String(spec.defaultText), this);
        settings.reload(m_ini, sameAsHarbekan ? spec.harbekanKey : spec.editorKey);
        edit->setText(QString::number(settings.*(sameAsHarbekan ? spec.harbekanValue : spec.editorValue)));
        grid->addWidget(label, i, 0);
        grid->addWidget(edit, i, 1);
        grid->addWidget(hint, i, 2);
        m_labels[size_t(i)] = label;
        m_edits[size_t(i)] = edit;
    }

    ButtonOK = addOkButton(QStringLiteral("ButtonOK"));
    ButtonCancel = addCancelButton();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonCancel);
    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);
    resize(280, sizeHint().height());

    connect(ButtonOK, &QPushButton::clicked, this, &TFormKigouSetting::onOk);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormKigouSetting::~TFormKigouSetting() = default;

void TFormKigouSetting::shown()
{
    m_edits[0]->setFocus();
    m_edits[0]->selectAll();
}

void TFormKigouSetting::onOk()
{
    // Every box first: nothing is written while one of them is refused.
    std::array<int, 4> values{};
    for (size_t i = 0; i < 4; ++i) {
        const std::optional<int> value = NumberEntry::wholeNumber(m_edits[i]->text());
        if (!value) {
            const MessageText text = NumberEntry::notAWholeNumber(m_labels[i]->text());
            if (m_message)
                m_message(text.japanese, text.english);
            else
                MessageService::show(this, BoolJapanese ? text.japanese : text.english);
            m_edits[i]->setFocus();
            return;
        }
        values[i] = *value;
    }
    MainSettings settings;
    for (size_t i = 0; i < 4; ++i) {
        const MarkSpec &spec = kMarks[i];
        settings.*(m_sameAsHarbekan ? spec.harbekanValue : spec.editorValue) = values[i];
        settings.save(m_ini, m_sameAsHarbekan ? spec.harbekanKey : spec.editorKey);
    }
    accept();
}

} // namespace quillon
