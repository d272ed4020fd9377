#include "PlacedDialog.h"

#include <QPushButton>

#include "AppPaths.h"
#include "DialogPlacement.h"


namespace quillon {

PlacedDialog::PlacedDialog(const QString &name, const QString &languageFile, bool japanese, QWidget *parent,
                           Placing placing)
    : QDialog(parent)
    , BoolJapanese(japanese)
    , StrLanguageFileName(AppPaths::languageFile(languageFile))
    , m_ini(AppPaths::settingsPath())
    , m_placing(placing)
{
    setObjectName(name);
    setProperty("tag", 2999);
}

void PlacedDialog::showEvent(QShowEvent *event)
{
    if (m_placing == Placing::AtFirstShow && !m_placed) {
        m_placed = true;
        DialogPlacement::restore(m_ini, objectName(), this);
    }
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        firstShown();
    }
    shown();
}

void PlacedDialog::done(int result)
{
    if (m_placing == Placing::AtFirstShow)
        DialogPlacement::save(m_ini, objectName(), this);
    QDialog::done(result);
}

QPushButton *PlacedDialog::addDialogButton(const QString &text, const QString &name, int tag)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setProperty("tag", tag);
    button->setAutoDefault(false);
    return button;
}

QPushButton *PlacedDialog::addCancelButton()
{
    return addDialogButton(QString::fromUtf16(u"ｷｬﾝｾﾙ(&C)"), QStringLiteral("ButtonCancel"), 2202);
}

} // namespace quillon
