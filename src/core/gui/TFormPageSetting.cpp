#include "TFormPageSetting.h"

#include "MainSettings.h"


#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {

namespace {

struct ListSpec {
    const char16_t *caption;
    const char *labelName;
    const char *comboName;
    MainKey key;
    int MainSettings::*index;
};

constexpr ListSpec kLists[3] = {
    {u"ページ＋＋＋(&P)", "LabelPage3", "ComboBoxPage3", MainKey::ScrollPlusPlusPlusIndex,
     &MainSettings::scrollPlusPlusPlusIndex},
    {u"ページ＋＋(&Q)", "LabelPage2", "ComboBoxPage2", MainKey::ScrollPlusPlusIndex, &MainSettings::scrollPlusPlusIndex},
    {u"ページ＋(&R)", "LabelPage1", "ComboBoxPage1", MainKey::ScrollPlusIndex, &MainSettings::scrollPlusIndex},
};

} // namespace

TFormPageSetting::TFormPageSetting(bool japanese, QWidget *parent)
    : PlacedDialog(QStringLiteral("FormPageSetting"), QStringLiteral("PageSetting.txt"), japanese, parent)
{
    setWindowTitle(QString::fromUtf16(u"カーソル移動設定"));

    QStringList values;
    for (int i = 1; i <= 100; ++i)
        values.append(QString::number(i));

    MainSettings settings;
    auto *grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const ListSpec &spec = kLists[i];
        auto *label = new QLabel(QString::fromUtf16(spec.caption), this);
        label->setObjectName(QLatin1String(spec.labelName));
        label->setProperty("tag", 2001 + i);
        auto *combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(spec.comboName));
        combo->addItems(values);
        combo->setMaxVisibleItems(20);
        settings.reload(m_ini, spec.key);
        const int index = settings.*spec.index;
        // A hand-edited index outside the list shows the nearest end.
        combo->setCurrentIndex(std::clamp(index, 0, int(values.size()) - 1));
        label->setBuddy(combo);
        grid->addWidget(label, i, 0);
        grid->addWidget(combo, i, 1);
        m_combos[size_t(i)] = combo;
    }
    ButtonOk = addOkButton(QStringLiteral("ButtonOk"));
    ButtonCancel = addCancelButton();
    setTabOrder(m_combos[0], m_combos[1]);
    setTabOrder(m_combos[1], m_combos[2]);
    setTabOrder(m_combos[2], ButtonOk);
    setTabOrder(ButtonOk, ButtonCancel);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOk);
    buttons->addWidget(ButtonCancel);
    auto *column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(ButtonOk, &QPushButton::clicked, this, &TFormPageSetting::onOk);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TFormPageSetting::~TFormPageSetting() = default;

void TFormPageSetting::shown()
{
    // The focus starts on Cancel and a moment later a Tab moves it on, round
    // to the first list, as a user pressing Tab would.
    ButtonCancel->setFocus();
    QTimer::singleShot(10, this, &TFormPageSetting::tabToFirstList);
}

void TFormPageSetting::tabToFirstList()
{
    QWidget *target = focusWidget() ? focusWidget() : ButtonCancel;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(target, &press);
    QCoreApplication::sendEvent(focusWidget() ? focusWidget() : target, &release);
}

void TFormPageSetting::onOk()
{
    MainSettings settings;
    for (int i = 0; i < 3; ++i) {
        settings.*kLists[i].index = m_combos[size_t(i)]->currentIndex();
        settings.save(m_ini, kLists[i].key);
    }
    accept();
}

} // namespace quillon
