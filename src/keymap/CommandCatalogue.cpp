#include "CommandCatalogue.h"

#include <iterator>

namespace quillon {

namespace {

constexpr TopMenuInfo topMenuTable[] = {
    {TopMenu::File, u"1000", "MenuFile", u"ファイル(&F)", u"ファイル", u"File"},
    {TopMenu::Search, u"1100", "MenuSearch", u"検索(&S)", u"検索", u"Search"},
    {TopMenu::Edit, u"1200", "MenuEdit", u"編集(&E)", u"編集", u"Edit"},
    {TopMenu::Code, u"1300", "MenuCharCode", u"文字コード(&C)", u"文字コード", u"Code"},
    {TopMenu::View, u"1400", "MenuView", u"表示(&I)", u"表示", u"View"},
    {TopMenu::Text, u"1500", "MenuText", u"テキスト(&X)", u"テキスト", u"Text"},
    {TopMenu::Binary, u"1600", "MenuBinary", u"バイナリ(&B)", u"バイナリ", u"Binary"},
    {TopMenu::Common, u"1700", "MenuCommon", u"共通(&M)", u"共通", u"Common"},
    {TopMenu::Expand, u"1800", "MenuExpand", u"拡張(&W)", u"拡張", u"Expand"},
    {TopMenu::Help, u"1900", "MenuHelp", u"ヘルプ(&H)", u"ヘルプ", u"Help"},
    {TopMenu::Language, u"1950", "MenuLanguage", u"Jpn/Eng(&L)", u"Jpn/Eng", u"Jpn/Eng"},
};

// The catalogue, in the order of the key-map files.
constexpr CommandInfo commandTable[] = {
    {u"1001", "MenuOpen", u"開く(&O)... ", u"ファイル", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1011", "MenuLauncherAuto1", u"外部プログラム １ 起動(&U)", u"ファイル", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1012", "MenuLauncherAuto2", u"外部プログラム ２ 起動(&V)", u"ファイル", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1013", "MenuLauncherAuto3", u"外部プログラム ３ 起動(&W)", u"ファイル", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1014", "MenuLauncherAuto4", u"外部プログラム ４ 起動(&Y)", u"ファイル", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1015", "MenuLauncherAuto5", u"外部プログラム ５ 起動(&Z)", u"ファイル", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1021", "MenuSendMessageToFiler", u"Harbekanを起動(&A)", u"ファイル", u"Ctrl+V", u"Ctrl+V", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1022", "MenuQuillonCloseOnExecuteHarbekan", u"Harbekanを起動時にQuillonを閉じる(&B)", u"ファイル", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::File},
    {u"1023", "MenuHarbekanCloseOnStart", u"Quillon起動時にHarbekanを閉じる(&C)", u"ファイル", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::File},
    {u"1031", "MenuClose", u"終了(&Q && &X)", u"ファイル", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1051", "MenuViewGrid", u"CSV形式で読込後に、グリッド形式で表示(&G)...", u"ファイル", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::File},
    {u"1101", "MenuSearchWord", u"検索(&F)... ", u"検索", u"F", u"Ctrl+F", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1102", "MenuSearchNext", u"次を検索(&N) ", u"検索", u"V", u"F3", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1103", "MenuSearchPrev", u"前を検索(&P)", u"検索", u"T", u"Shift+F3", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1104", "MenuSearchWordOneLine", u"１行コピーして検索(&C)... ", u"検索", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1105", "MenuSearchAll", u"一括検索(&A)...", u"検索", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1106", "MenuSearchFileAll", u"複数ファイル一括検索(&B)...", u"検索", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1107", "MenuSearchBar", u"検索バーで検索(&S)", u"検索", u"Ctrl+,", u"Ctrl+,", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1108", "MenuSearchWordAutoGet", u"自動的に検索語を取得(&U)", u"検索", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Search},
    {u"1109", "MenuSearchNext2", u"検索バー 次を検索(&V) ", u"検索", u"Ctrl+V", u"F3", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1110", "MenuSearchPrev2", u"検索バー 前を検索(&T)", u"検索", u"Ctrl+T", u"Shift+F3", CheckKind::None, RadioGroup::None, TopMenu::Search},
    {u"1111", "MenuSearchBarSetFocus", u"検索バーの検索で検索バーにフォーカスを戻す(&X)", u"検索", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Search},
    {u"1201", "MenuCopy", u"コピー(&C)", u"編集", u"Ctrl+C", u"Ctrl+C", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1202", "MenuAddCopy", u"追加コピー(&A)", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1203", "MenuSelectAll", u"全て選択(&L)", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1211", "MenuCopyOneLine", u"１行コピー(&I)", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1212", "MenuSelectWord", u"１語を選択(&W)", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1221", "MenuJump", u"行へ移動(&G)...", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1231", "MenuMoveDocumentTop", u"文書の先頭に移動(&T)", u"編集", u"Home", u"Ctrl+Home", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1232", "MenuScrollPgUp", u"ページ上＋＋＋(&P)", u"編集", u"PgUp", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1233", "MenuScrollLeft", u"ページ上＋＋(&F)", u"編集", u"Left", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1234", "MenuScrollUp", u"ページ上＋(&U)", u"編集", u"Up", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1235", "MenuScrollDown", u"ページ下＋(&D)", u"編集", u"Down", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1236", "MenuScrollRight", u"ページ下＋＋(&R)", u"編集", u"Right", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1237", "MenuScrollPgDown", u"ページ下＋＋＋(&N)", u"編集", u"PgDn", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1238", "MenuMoveDocumentEnd", u"文書の最後に移動(&B)", u"編集", u"End", u"Ctrl+End", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1241", "MenuMoveLineTop", u"行の先頭に移動(&H)", u"編集", u"", u"Home", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1242", "MenuMoveLineEnd", u"行の最後に移動(&E)", u"編集", u"", u"End", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1251", "MenuCursolDisabled", u"カーソル移動の設定を一時的にメモ帳に設定(&K)", u"編集", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Edit},
    {u"1261", "MenuMoveDocumentTop2", u"文書の先頭に移動(&1)", u"編集", u"Ctrl+Home", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1262", "MenuScrollLeft2", u"ページ上＋＋(&2)", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1263", "MenuScrollUp2", u"ページ上＋(&3)", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1264", "MenuScrollDown2", u"ページ下＋(&4)", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1265", "MenuScrollRight2", u"ページ下＋＋(&5)", u"編集", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1266", "MenuMoveDocumentEnd2", u"文書の最後に移動(&6)", u"編集", u"Ctrl+End", u"", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1271", "MenuMemoRight", u"カーソル右(&J)", u"編集", u"", u"Right", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1272", "MenuMemoLeft", u"カーソル左(&V)", u"編集", u"", u"Left", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1273", "MenuMemoPageUp", u"カーソル前ページ(&M)", u"編集", u"", u"PgUp", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1274", "MenuMemoUp", u"カーソル上(&O)", u"編集", u"", u"Up", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1275", "MenuMemoDown", u"カーソル下(&Q)", u"編集", u"", u"Down", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1276", "MenuMemoPageDown", u"カーソル次ページ(&S)", u"編集", u"", u"PgDn", CheckKind::None, RadioGroup::None, TopMenu::Edit},
    {u"1301", "MenuReadSJIS", u"Shift_JIS(&S)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1302", "MenuReadJIS", u"JIS(&J)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1303", "MenuReadEUCJP", u"EUC-JP(&E)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1304", "MenuReadUTF7", u"UTF-7(&7)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1305", "MenuReadUTF8Bom", u"UTF-8 [BOM有](&8)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1306", "MenuReadUTF8", u"UTF-8 [BOM無](&V)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1307", "MenuReadUTF16BomBe", u"UTF-16 [BOM有 ビッグエンディアン](&B)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1308", "MenuReadUTF16Be", u"UTF-16 [BOM無 ビッグエンディアン](&C)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1309", "MenuReadUTF16BomLe", u"UTF-16 [BOM有 リトルエンディアン](&L)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1310", "MenuReadUTF16Le", u"UTF-16 [BOM無 リトルエンディアン](&M)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1321", "MenuReadAuto", u"自動検出(&A)", u"文字コード", u"", u"", CheckKind::Radio, RadioGroup::ReadCode, TopMenu::Code},
    {u"1401", "MenuWrapNone", u"折り返さない(&A)", u"表示", u"", u"", CheckKind::Radio, RadioGroup::Wrap, TopMenu::View},
    {u"1402", "MenuWrapWindowWidth", u"ウィンドウの右端で折り返し(&W)", u"表示", u"", u"", CheckKind::Radio, RadioGroup::Wrap, TopMenu::View},
    {u"1403", "MenuShowLineNumber", u"行番号を表示(&S)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1404", "MenuLineSetting", u"行番号表示設定(&K)...", u"表示", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::View},
    {u"1405", "MenuSelectLine", u"行番号のクリックで行を選択(&N)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1411", "MenuCrLf", u"改行の表示(&L)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1412", "MenuEof", u"終端記号の表示(&E)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1413", "MenuTab", u"タブの表示(&T)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1414", "MenuDBCS", u"全角空白の表示(&D)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1421", "MenuTab2", u"タブ数2(&2)", u"表示", u"", u"", CheckKind::Radio, RadioGroup::TabWidth, TopMenu::View},
    {u"1422", "MenuTab4", u"タブ数4(&4)", u"表示", u"", u"", CheckKind::Radio, RadioGroup::TabWidth, TopMenu::View},
    {u"1423", "MenuTab6", u"タブ数6(&6)", u"表示", u"", u"", CheckKind::Radio, RadioGroup::TabWidth, TopMenu::View},
    {u"1424", "MenuTab8", u"タブ数8(&8)", u"表示", u"", u"", CheckKind::Radio, RadioGroup::TabWidth, TopMenu::View},
    {u"1431", "MenuStatusBarTopVisible", u"上部ステータスバーを表示(&P)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1432", "MenuStatusBarBottomVisible", u"下部ステータスバーを表示(&M)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1433", "MenuStatusBarFormResize", u"ステータスバーのクリックでフォームサイズの変更(&R)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1434", "MenuShowFileName", u"ステータスバーにファイル名を表示(&F)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1435", "MenuSearchBarTopVisible", u"上部検索バーを表示(&B)", u"表示", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::View},
    {u"1501", "MenuFontColorReadOnly", u"テキスト文字色(&F)...", u"テキスト", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Text},
    {u"1502", "MenuBackColorReadOnly", u"テキスト背景色(&C)...", u"テキスト", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Text},
    {u"1503", "MenuKigouColor", u"テキスト記号表示色(&M)...", u"テキスト", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Text},
    {u"1504", "MenuSameAsHarbekan", u"文字色(サイズ)と背景色、記号表示色はHarbekanと同じ(&A)", u"テキスト", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Text},
    {u"1511", "MenuLauncherSetting", u"外部プログラムの設定(&L)...", u"テキスト", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Text},
    {u"1551", "MenuCloseESCkey", u"ESCキーで終了(&E)", u"テキスト", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Text},
    {u"1552", "MenuCloseENTERkey", u"Enterキーで終了(&R)", u"テキスト", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Text},
    {u"1553", "MenuCloseQkey", u"Qキーで終了(&Q)", u"テキスト", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Text},
    {u"1554", "MenuCloseXkey", u"Xキーで終了(&X)", u"テキスト", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Text},
    {u"1561", "MenuStartTopLine", u"開く時は先頭行を表示(&T)", u"テキスト", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Text},
    {u"1562", "MenuKigouSetting", u"記号表示位置設定(&K)...", u"テキスト", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Text},
    {u"1601", "MenuFontColorBinary", u"バイナリ文字色(&F)...", u"バイナリ", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Binary},
    {u"1602", "MenuBinaryBackColor", u"バイナリ背景色(&C)...", u"バイナリ", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Binary},
    {u"1611", "MenuBinaryLoadAll", u"バイナリ一括読込(&A)", u"バイナリ", u"", u"", CheckKind::Radio, RadioGroup::BinaryLoad, TopMenu::Binary},
    {u"1612", "MenuBinaryLoadRange", u"バイナリ分割読込(&R)", u"バイナリ", u"", u"", CheckKind::Radio, RadioGroup::BinaryLoad, TopMenu::Binary},
    {u"1621", "MenuBinaryTop", u"バイナリ先頭を表示(&T)", u"バイナリ", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Binary},
    {u"1622", "MenuBinaryPrev", u"バイナリ前を表示(&P)", u"バイナリ", u"Ctrl+Up", u"Ctrl+Up", CheckKind::None, RadioGroup::None, TopMenu::Binary},
    {u"1623", "MenuBinaryNext", u"バイナリ次を表示(&N)", u"バイナリ", u"Ctrl+Down", u"Ctrl+Down", CheckKind::None, RadioGroup::None, TopMenu::Binary},
    {u"1624", "MenuBinaryEnd", u"バイナリ最後を表示(&B)", u"バイナリ", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Binary},
    {u"1701", "MenuKeyBoard", u"キーボード設定(&K)...", u"共通", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Common},
    {u"1711", "MenuPageSetting", u"カーソル移動設定(&G)...", u"共通", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Common},
    {u"1721", "MenuShowBinary", u"バイナリ表示(&B)...", u"共通", u"Tab", u"Tab", CheckKind::None, RadioGroup::None, TopMenu::Common},
    {u"1801", "MenuTextSetFocus", u"Quillonを選択(&E)...", u"拡張", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Expand},
    {u"1811", "MenuFilerSetFocus", u"ファイラーを選択(&I)...", u"拡張", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Expand},
    {u"1821", "MenuParentShow", u"ファイラーを前面に表示(&G)", u"拡張", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Expand},
    {u"1831", "MenuShowLog", u"ログ表示(&L)..", u"拡張", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Expand},
    {u"1841", "MenuSendTopToFiler", u"ファイラーと連携時：終了時にファイラーを前面に表示(&T)", u"拡張", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Expand},
    {u"1842", "MenuCheckFilerExist", u"ファイラーと連携時：ファイラーの終了を検知して終了(&F)", u"拡張", u"", u"", CheckKind::Toggle, RadioGroup::None, TopMenu::Expand},
    {u"1852", "MenuWindows", u"テーマ Windows", u"拡張", u"", u"", CheckKind::Radio, RadioGroup::Theme, TopMenu::Expand},
    {u"1853", "MenuCarbon", u"テーマ Carbon", u"拡張", u"", u"", CheckKind::Radio, RadioGroup::Theme, TopMenu::Expand},
    {u"1854", "MenuCharcoalDarkSlate", u"テーマ Charcoal Dark Slate", u"拡張", u"", u"", CheckKind::Radio, RadioGroup::Theme, TopMenu::Expand},
    {u"1855", "MenuWindowsDark", u"テーマ Windows Dark", u"拡張", u"", u"", CheckKind::Radio, RadioGroup::Theme, TopMenu::Expand},
    {u"1901", "MenuShowHelp", u"ヘルプ表示(&C)...", u"ヘルプ", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Help},
    {u"1902", "MenuFormMinimize", u"フォーム  最小化(&N)", u"ヘルプ", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Help},
    {u"1903", "MenuFormRestore", u"フォーム  元の位置とサイズに戻す(&R)", u"ヘルプ", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Help},
    {u"1904", "MenuFormMaximize", u"フォーム  最大化(&X)", u"ヘルプ", u"", u"", CheckKind::None, RadioGroup::None, TopMenu::Help},
    {u"1951", "MenuJapanese", u"Japanese(&J)", u"Jpn/Eng", u"", u"", CheckKind::Radio, RadioGroup::Language, TopMenu::Language},
    {u"1952", "MenuEnglish", u"English(&E)", u"Jpn/Eng", u"", u"", CheckKind::Radio, RadioGroup::Language, TopMenu::Language},
};

constexpr auto N = MenuPlace::MainMenu;
constexpr MenuItemInfo otherItemTable[] = {
    // Main menu. The recent-file entries get their captions ("&1 " + path) from the window.
    {N, TopMenu::File, u"1031", u"", "MenuRecent1", u"&1 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent2", u"&2 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent3", u"&3 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent4", u"&4 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent5", u"&5 ", u"", CheckKind::None, false},
    {N, TopMenu::File, u"1031", u"", "MenuRecent6", u"&6 ", u"", CheckKind::None, false},
    {N, TopMenu::Expand, u"1852", u"1851", "MenuThemeNote", u"テーマの変更は再起動後に有効になります", u"",
     CheckKind::None, false},
    // The search-bar menu: its first four entries carry the keys of their codes.
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"", "MenuSearch4", u"検索(&S)", u"", CheckKind::None, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"1107", "MenuSearchBar4", u"検索バーで検索(&B)", u"",
     CheckKind::None, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"1111", "MenuSearchBarSetFocus4",
     u"検索バーの検索で検索バーにフォーカスを戻す(&X)", u"", CheckKind::Toggle, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"1109", "MenuSearchNext4", u"検索バー 次を検索(&N) ", u"",
     CheckKind::None, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"1110", "MenuSearchPrev4", u"検索バー 前を検索(&P)", u"",
     CheckKind::None, false},
    {MenuPlace::SearchBar, TopMenu::Search, u"", u"", "MenuMatchCase4", u"大文字と小文字を区別する(&U)", u"",
     CheckKind::Toggle, true},
    {MenuPlace::Dummy, TopMenu::File, u"", u"", "MenuDummy", u"ダミー(&F)", u"", CheckKind::None, false},
    // The text view's popup keeps the keys it is built with.
    {MenuPlace::Popup, TopMenu::Edit, u"", u"1981", "PopupCopy", u"コピー(&C)", u"Ctrl+C", CheckKind::None, false},
    {MenuPlace::Popup, TopMenu::Edit, u"", u"1982", "PopupAddCopy", u"追加コピー(&A)", u"Shift+C", CheckKind::None,
     false},
    {MenuPlace::Popup, TopMenu::Edit, u"", u"1983", "PopupSelectAll", u"全て選択(&L)", u"Ctrl+A", CheckKind::None,
     false},
    {MenuPlace::Popup, TopMenu::Edit, u"", u"1984", "PopupCopyOneLine", u"１行コピー(&I)", u"Ctrl+Alt+C",
     CheckKind::None, false},
};

static_assert(std::size(topMenuTable) == 11);
static_assert(std::size(commandTable) == CommandCatalogue::CommandCount);

bool inRange(QStringView code, int first, int last)
{
    bool ok = false;
    const int n = code.toInt(&ok);
    return ok && code.size() == 4 && n >= first && n <= last;
}

} // namespace

std::span<const CommandInfo> CommandCatalogue::commands()
{
    return commandTable;
}

std::span<const TopMenuInfo> CommandCatalogue::topMenus()
{
    return topMenuTable;
}

std::span<const MenuItemInfo> CommandCatalogue::otherMenuItems()
{
    return otherItemTable;
}

const CommandInfo *CommandCatalogue::command(QStringView code)
{
    for (const CommandInfo &c : commandTable) {
        if (code == QStringView(c.code))
            return &c;
    }
    return nullptr;
}

const CommandInfo *CommandCatalogue::commandByMenuItem(QStringView menuItem)
{
    for (const CommandInfo &c : commandTable) {
        if (menuItem == QLatin1String(c.menuItem))
            return &c;
    }
    return nullptr;
}

const TopMenuInfo &CommandCatalogue::topMenu(TopMenu menu)
{
    for (const TopMenuInfo &t : topMenuTable) {
        if (t.menu == menu)
            return t;
    }
    return topMenuTable[0];
}

QStringList CommandCatalogue::InitKeyMap(int exeType, const CaptionLookup &caption)
{
    QStringList lines;
    lines.reserve(CommandCount);
    for (const CommandInfo &c : commandTable) {
        const QString name = caption ? caption(c) : c.captionText();
        lines.append(c.categoryText() + u'\t' + name + u'\t' + c.defaultKey(exeType) + u'\t' + c.codeText());
    }
    return lines;
}

bool CommandCatalogue::separatorBetween(QStringView previousCode, QStringView nextCode)
{
    bool okPrevious = false;
    bool okNext = false;
    const int previous = previousCode.toInt(&okPrevious);
    const int next = nextCode.toInt(&okNext);
    if (!okPrevious || !okNext)
        return okPrevious != okNext; // a run of untagged items is a group of its own
    return next != previous + 1;
}

bool CommandCatalogue::isEditorCursorCode(QStringView code)
{
    return inRange(code, 1231, 1276) && code != u"1251" && command(code) != nullptr;
}

bool CommandCatalogue::isCursorModeRestoreCode(QStringView code)
{
    return inRange(code, 1231, 1276) && command(code) != nullptr;
}

} // namespace quillon
