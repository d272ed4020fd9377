#pragma once

#include "CommandCode.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <span>

namespace quillon {

class CommandCatalogue
{
public:
    static constexpr int CommandCount = 118;

    CommandCatalogue() = delete;

    [[nodiscard]] static std::span<const CommandInfo> commands();
    [[nodiscard]] static std::span<const TopMenuInfo> topMenus();
    [[nodiscard]] static std::span<const MenuItemInfo> otherMenuItems();

    [[nodiscard]] static const CommandInfo *command(QStringView code);
    [[nodiscard]] static const CommandInfo *commandByMenuItem(QStringView menuItem);
    [[nodiscard]] static const TopMenuInfo &topMenu(TopMenu menu);

    // Caption a key-map line should carry for a command: the caption its menu
    // item shows now (it may have been translated). Empty function: built-in captions.
    using CaptionLookup = std::function<QString(const CommandInfo &)>;

    // The default catalogue: one key-map line "category\tcaption\tkey\tcode"
    // per command in catalogue order. exeType 0 takes the filer-style keys,
    // any other value the editor-style keys.
    [[nodiscard]] static QStringList InitKeyMap(int exeType, const CaptionLookup &caption = {});

    // Menu items are grouped by their codes: a gap in the numbering (1023 ->
    // 1031) starts a new group, and a separator goes between two groups.
    [[nodiscard]] static bool separatorBetween(QStringView previousCode, QStringView nextCode);

    // The movement commands the temporary editor cursor mode takes over, in
    // catalogue order (1231..1276 without 1251): each gets its editor-style key.
    [[nodiscard]] static bool isEditorCursorCode(QStringView code);
    // The codes the key map is applied to again when that mode ends (1231..1276).
    [[nodiscard]] static bool isCursorModeRestoreCode(QStringView code);
};

} // namespace quillon
