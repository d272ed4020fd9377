#pragma once
// The placement record of a dialog: restored when the dialog is first shown
// (only when one was saved and it lies on the virtual screen), written when
// the dialog closes. The section is the class name without the leading "T".
#include <QString>

class QWidget;

namespace quillon {

class IniFile;

namespace DialogPlacement {
void restore(const IniFile &ini, const QString &section, QWidget *dialog);
void save(IniFile &ini, const QString &section, const QWidget *dialog);
} // namespace DialogPlacement

} // namespace quillon
