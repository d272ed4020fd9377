#!/usr/bin/env bash
# Writes the sample files in samples/: the same short Japanese text in every
# character code and line end the viewer detects, plus a small CSV file.
# Everything comes from the UTF-8 texts below through iconv, so the samples
# can be remade at any time and must come out byte for byte the same.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
out=samples
mkdir -p "$out"

# Hiragana on the first line: detection of UTF-8 without a byte-order mark,
# EUC-JP and Shift_JIS looks for kana near the start. Line 3 holds a tab and a
# full-width space. Only characters that CP932, EUC-JP and ISO-2022-JP all map
# to the same Unicode code points are used.
text=$(cat <<'TEXT'
こんにちは。Quillon のサンプルです (sample text).
日本語の文章を表示します。漢字・ひらがな・カタカナと ASCII 123 が混ざっています。
タブ→	←ここ、全角空白→　←ここ。全角英数：ＡＢＣ１２３
最後の行です。End of sample.
TEXT
)

# Quoted fields hold commas, a doubled quote and a line break.
csv=$(cat <<'CSV'
番号,名前,ふりがな,住所,備考
1,山田太郎,やまだたろう,"東京都千代田区1-2-3, 4階",特になし
2,鈴木花子,すずきはなこ,大阪府大阪市,"カンマ, と ""引用符"" を含む"
3,佐藤一郎,さとういちろう,"北海道
札幌市",セル内で改行
CSV
)

lf() { printf '%s\n' "$1"; }
crlf() { printf '%s\n' "$1" | sed 's/$/\r/'; }
cr() { printf '%s\n' "$1" | tr '\n' '\r'; }

lf "$text" | iconv -f UTF-8 -t CP932 >"$out/sjis-lf.txt"
crlf "$text" | iconv -f UTF-8 -t CP932 >"$out/sjis-crlf.txt"
crlf "$text" | iconv -f UTF-8 -t ISO-2022-JP >"$out/jis-crlf.txt"
lf "$text" | iconv -f UTF-8 -t EUC-JP >"$out/eucjp-lf.txt"
{ printf '\xEF\xBB\xBF'; crlf "$text"; } >"$out/utf8-bom-crlf.txt"
lf "$text" >"$out/utf8-nobom-lf.txt"
cr "$text" >"$out/utf8-nobom-cr.txt"
{ printf '\xFF\xFE'; crlf "$text" | iconv -f UTF-8 -t UTF-16LE; } >"$out/utf16le-bom-crlf.txt"
{ printf '\xFE\xFF'; lf "$text" | iconv -f UTF-8 -t UTF-16BE; } >"$out/utf16be-bom-lf.txt"
crlf "$text" | iconv -f UTF-8 -t UTF-16LE >"$out/utf16le-nobom-crlf.txt"
crlf "$text" | iconv -f UTF-8 -t UTF-16BE >"$out/utf16be-nobom-crlf.txt"
crlf "$csv" | iconv -f UTF-8 -t CP932 >"$out/sjis-crlf.csv"

ls -l "$out"
