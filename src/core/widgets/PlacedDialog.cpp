#include "PlacedDialog.h"

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
    shown();
}

void PlacedDialog::done(int result)
{
    if (m_placing == Placing::AtFirstShow)
        DialogPlacement::save(m_ini, objectName(), this);
    QDialog::done(result);
}

} // namespace quillon
