#pragma once
// What the keyboard dialog's tests share: the shipped language files in the
// test's program folder, an owner for the main window's key map, and choosing
// in the dialog as a user does.
#include "AppPaths.h"
#include "CommandCatalogue.h"
#include "KeyChange.h"
#include "KeyMapParent.h"
#include "KeyText.h"
#include "LanguageFile.h"
#include "TFormKeyBoard.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTreeWidget>

namespace quillon::test {

inline void installShippedLanguageFiles()
{
    QDir().mkpath(AppPaths::programLanguageDir());
    const QDir shipped(QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../data/Language/Quillon")));
    for (const QString &name : shipped.entryList({QStringLiteral("*.txt")}, QDir::Files))
        QFile::copy(shipped.filePath(name), LanguageFile::path(name));
}

// The main window's key map with the built-in captions; the catalogue the
// dialog hands back is kept in *catalogue.
inline KeyMapParent mainKeyMap(QStringList *catalogue = nullptr)
{
    KeyMapParent p = KeyMapParent::forName(QStringLiteral("Main"));
    p.defaults = [](int exeType) { return CommandCatalogue::InitKeyMap(exeType); };
    if (catalogue)
        p.setCatalogue = [catalogue](const QStringList &c) { *catalogue = c; };
    return p;
}

// A choice made with the mouse: the box shows it and reports it as the user's.
inline void pick(QComboBox *box, const QString &text)
{
    const int index = text.isEmpty() ? 0 : box->findText(text);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

inline QTreeWidgetItem *rowOf(const TFormKeyBoard &dialog, QStringView code)
{
    QTreeWidget *list = dialog.commandList();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(2) == code)
            return list->topLevelItem(i);
    }
    return nullptr;
}

// Shows the category of `code` and selects its row, as a click does.
inline QTreeWidgetItem *selectCommand(TFormKeyBoard &dialog, QStringView code)
{
    const qsizetype line = KeyChange::indexOfCode(dialog.StrListKeyMap, code);
    if (line < 0)
        return nullptr;
    QComboBox *categories = dialog.categorySelector();
    categories->setCurrentIndex(categories->findText(KeyText::splitKeyMapLine(dialog.StrListKeyMap[line]).category.toString()));
    QTreeWidgetItem *row = rowOf(dialog, code);
    if (row)
        dialog.commandList()->setCurrentItem(row);
    return row;
}

inline QString keyInFile(const QStringList &map, QStringView code)
{
    const qsizetype i = KeyChange::indexOfCode(map, code);
    return i < 0 ? QStringLiteral("<none>") : KeyText::splitKeyMapLine(map[i]).keyText.toString();
}

} // namespace quillon::test
