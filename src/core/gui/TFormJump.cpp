#include "TFormJump.h"

#include "MainSettings.h"
#include "MessageService.h"
#include "TDecEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon {

TFormJump::TFormJump(bool japanese, QWidget *parent, MessageHook message)
    : PlacedDialog(QStringLiteral("FormJump"), QStringLiteral("Jump.txt"), japanese, parent)
    , m_message(std::move(message))
{
    setWindowTitle(QString::fromUtf16(u"行へ移動"));

    LabelNumber = new QLabel(QString::fromUtf16(u"行番号(&N)"), this);
    LabelNumber->setObjectName(QStringLiteral("LabelNumber"));
    LabelNumber->setProperty("tag", 2001);
    EditNumber = new TDecEdit(this);
    EditNumber->setObjectName(QStringLiteral("EditNumber"));
    LabelNumber->setBuddy(EditNumber);
    // Enter is handled in the edit box itself; no button is the default.
    ButtonOk = addOkButton(QStringLiteral("ButtonOk"));
    ButtonCancel = addCancelButton();

    auto *row = new QHBoxLayout;
    row->addWidget(LabelNumber);
    row->addWidget(EditNumber, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOk);
    buttons->addWidget(ButtonCancel);
    auto *column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addLayout(buttons);
    setFixedHeight(sizeHint().height());
    resize(280, height());

    MainSettings settings;
    settings.reload(m_ini, MainKey::Jump);
    EditNumber->setText(settings.jump);
    EditNumber->selectAll();
    EditNumber->setFocus();
    EditNumber->installEventFilter(this);

    connect(ButtonOk, &QPushButton::clicked, this, &TFormJump::onOk);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormJump::~TFormJump() = default;

void TFormJump::shown()
{
    EditNumber->setFocus();
}

bool TFormJump::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == EditNumber && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
            onOk();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormJump::onOk()
{
    const QString entry = EditNumber->text();
    if (entry.size() > MaxDigits) {
        const QString japanese = QString::fromUtf16(u"Information : 文字数は9文字以下を設定してください");
        const QString english = QStringLiteral("Information : Word length set less than 9 characters.\r\n[OK]");
        if (m_message)
            m_message(japanese, english);
        else
            MessageService::show(this, BoolJapanese ? japanese : english);
        return;
    }
    MainSettings settings;
    settings.jump = entry;
    settings.save(m_ini, MainKey::Jump);
    accept();
}

} // namespace quillon
