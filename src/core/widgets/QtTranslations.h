#pragma once
// The texts of Qt's own dialogs and buttons (the open, font and colour
// dialogs, Yes/No/OK) in the interface language: Qt's Japanese translation
// as the system ships it, or Qt's English.
namespace quillon::QtTranslations {

// Installs or removes the Japanese translation; returns false when Japanese
// was asked for and the system has no translation for Qt (the dialogs then
// stay in English).
bool apply(bool japanese);

} // namespace quillon::QtTranslations
