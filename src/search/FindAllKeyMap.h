#pragma once
// The find-all window's own commands and their keys, kept in its own key-map
// file ("Quillon-KeyMapFindAll.txt") in the format of the main window's and
// reconciled with this catalogue the same way. The window assigns keys from
// a smaller key-name table: the punctuation keys and Space give no key there,
// so they always reach the list as the list's own keys.
#include "KeyMapStartup.h"
#include "KeyText.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace quillon {

struct FindAllCommand {
    const char16_t *code;
    const char *menuItem;      // object name of the menu item
    const char16_t *caption;   // built-in Japanese caption
    const char16_t *category;
    const char16_t *filerKey;  // default key (the keyboard dialog's Harbek preset)
    const char16_t *editorKey; // the editor preset
};

class FindAllKeyMap {
public:
    FindAllKeyMap() = delete;
    static constexpr int CommandCount = 20;

    [[nodiscard]] static std::span<const FindAllCommand> commands();
    [[nodiscard]] static const FindAllCommand *command(QStringView code);
    // The default catalogue, one key-map line per command in catalogue order,
    // with the built-in captions (the defaults are built before the language
    // file is applied). exeType 0: default keys; any other: editor preset.
    [[nodiscard]] static QStringList InitKeyMap(int exeType);
    [[nodiscard]] static QString keyMapPath();
    // Compares the file with the catalogue and rewrites it when the codes differ.
    [[nodiscard]] static KeyMapReconciliation reconcile();
    // The key of code in keyMap; nullopt when no line carries the code (the
    // item keeps its key). Punctuation keys and Space give 0 here.
    [[nodiscard]] static std::optional<ShortCutValue> keyOf(const QStringList &keyMap, QStringView code);
};

} // namespace quillon
