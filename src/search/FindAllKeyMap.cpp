#include "FindAllKeyMap.h"

#include "AppPaths.h"
#include "KeyMapFile.h"

#include <iterator>

namespace quillon {

namespace {

constexpr FindAllCommand table[] = {
    {u"1001", "MenuViewGrid", u"グリッド形式で表示(&L)", u"ファイル", u"", u""},
    {u"1002", "MenuClose", u"終了(&Q && &X)", u"ファイル", u"", u""},
    {u"1101", "MenuSearchWord", u"検索(&F)", u"検索", u"F", u"Ctrl+F"},
    {u"1102", "MenuSearchNext", u"次を検索(&N)", u"検索", u"V", u"F3"},
    {u"1103", "MenuSearchPrev", u"前を検索(&P)", u"検索", u"T", u"Shift+F3"},
    {u"1104", "MenuSearchAll", u"一括検索(&A)", u"検索", u"", u""},
    {u"1105", "MenuSearchFileAll", u"複数ファイル一括検索(&B)", u"検索", u"", u""},
    {u"1201", "MenuJump", u"行へ移動(&G)...", u"移動", u"", u""},
    {u"1202", "MenuTop", u"先頭(&T)", u"移動", u"Home", u"Ctrl+Home"},
    {u"1203", "MenuPageUp", u"前ページ(&P)", u"移動", u"PgUp", u"PgUp"},
    {u"1204", "MenuPageDown", u"次ページ(&N)", u"移動", u"PgDn", u"PgDn"},
    {u"1205", "MenuEnd", u"最後(&E)", u"移動", u"End", u"Ctrl+End"},
    {u"1301", "MenuCrLf", u"改行の表示(&L)", u"表示", u"", u""},
    {u"1302", "MenuEof", u"終端記号の表示(&E)", u"表示", u"", u""},
    {u"1303", "MenuTab", u"タブの表示(&T)", u"表示", u"", u""},
    {u"1304", "MenuDBCS", u"全角空白の表示(&D)", u"表示", u"", u""},
    {u"1401", "MenuKeyBoard", u"キーボード設定(&K)...", u"共通", u"", u""},
    {u"1402", "MenuShowButton", u"ボタン表示(&B)", u"共通", u"", u""},
    {u"1501", "MenuCopy", u"コピー(&C)", u"編集", u"", u""},
    {u"1502", "MenuSelectAll", u"全て選択(&L)", u"編集", u"", u""},
};
static_assert(std::size(table) == FindAllKeyMap::CommandCount);

QString text(const char16_t *s) { return QStringView(s).toString(); }

} // namespace

std::span<const FindAllCommand> FindAllKeyMap::commands()
{
    return table;
}

const FindAllCommand *FindAllKeyMap::command(QStringView code)
{
    for (const FindAllCommand &c : table) {
        if (code == QStringView(c.code))
            return &c;
    }
    return nullptr;
}

QStringList FindAllKeyMap::InitKeyMap(int exeType)
{
    QStringList lines;
    lines.reserve(CommandCount);
    for (const FindAllCommand &c : table) {
        lines.append(text(c.category) + u'\t' + text(c.caption) + u'\t'
                     + text(exeType == 0 ? c.filerKey : c.editorKey) + u'\t' + text(c.code));
    }
    return lines;
}

QString FindAllKeyMap::keyMapPath()
{
    return AppPaths::besideProgram(KeyMapFileNames::findAllWindow().keyMap);
}

KeyMapReconciliation FindAllKeyMap::reconcile()
{
    return KeyMapStartup::reconcile(keyMapPath(), InitKeyMap(0));
}

std::optional<ShortCutValue> FindAllKeyMap::keyOf(const QStringList &keyMap, QStringView code)
{
    const std::optional<ShortCutValue> value = KeyText::lookUp(keyMap, code);
    if (!value)
        return value;
    // Space and the eleven punctuation keys are not in this window's table.
    const int key = *value & KeyText::KeyMask;
    if (key == 32 || (key >= 186 && key <= 192) || (key >= 219 && key <= 222))
        return ShortCutValue(0);
    return value;
}

} // namespace quillon
