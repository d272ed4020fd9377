#include "PlacedDialog.h"

#include "AppPaths.h"
#include "DialogPlacement.h"

#include <QDir>

namespace quillon {

PlacedDialog::PlacedDialog(const QString &name, const QString &languageFile, bool japanese, QWidget *parent)
    : QDialog(parent)
    , BoolJapanese(japanese)
    , StrLanguageFileName(QDir(AppPaths::programLanguageDir()).filePath(languageFile))
    , m_ini(AppPaths::settingsPath())
{
    setObjectName(name);
    setProperty("tag", 2999);
}

void PlacedDialog::showEvent(QShowEvent *event)
{
    if (!m_placed) {
        m_placed = true;
        DialogPlacement::restore(m_ini, objectName(), this);
    }
    QDialog::showEvent(event);
    shown();
}

void PlacedDialog::done(int result)
{
    DialogPlacement::save(m_ini, objectName(), this);
    QDialog::done(result);
}

} // namespace quillon
