#pragma once
// The grid window's settings: sections "ViewGrid" and "ViewGlid" (two
// different sections, spelled as stored), read when the window is created
// and written when it is destroyed. Each key is named once, in the table in
// GridSettings.cpp, with the member below that holds its default. The Parent
// key is the opener's to write.
#include "IniFile.h"

#include <QString>
#include <array>

namespace quillon {

struct GridSettings {
    // [ViewGrid]
    int memoHeight = 150; // pixels, written from the memo
    bool lfToTab = false;
    bool rowCol = false, colRow = true; // status order [row,column] / [column,row]
    // Read encoding, index = code number (0 = automatic).
    std::array<bool, 11> read{true, false, false, false, false, false, false, false, false, false, false};
    // The save submenu is never available; its marks are kept as they were.
    // Order: SJIS, JIS, EUCJP, UTF7, UTF8Bom, UTF8, UTF16BomBe, UTF16Be,
    // UTF16BomLe, UTF16Le, TAB, DoubleCautation, Comma, FixedLength, CsvEx2.
    std::array<bool, 15> save{true, false, false, false, false, false, false, false,
                              false, false, true, false, false, false, false};
    // Clipboard style, index = ClipStyle (TAB, quoted, comma, quoting comma).
    std::array<bool, 4> clip{true, false, false, false};
    // [ViewGlid]
    TColor fontColor = 0x000000;        // clBlack
    QString fontName = QString::fromUtf16(u"ＭＳ ゴシック");
    QString fontSize = QStringLiteral("14");
    TColor color = 0xFFFFFF;            // clWhite
    TColor fixedColor = 0xF0CAA6;       // clSkyBlue
    TColor currentColor = 0x00FF8000;
    TColor crLfColor = 0xFF0000;        // clBlue
    int memoHeightIndex = 1;            // 1 to 10
    bool sameAsHarbekan = false;
    QString searchWord;

    void load(const IniAccess &ini);
    void store(IniAccess &ini) const;

    // The checked read encoding (0 automatic, 1 to 10).
    [[nodiscard]] int readChoice() const;
    void setReadChoice(int code);
    [[nodiscard]] int clipStyle() const;
    void setClipStyle(int style);
    // Font size in points, 14 when the text is not a whole number.
    [[nodiscard]] int pointSize() const;
    // IntTextHeight: points x 22 / 14.
    [[nodiscard]] int textHeight() const { return pointSize() * 22 / 14; }

    static constexpr const char16_t *GridSection = u"ViewGrid";
    static constexpr const char16_t *LookSection = u"ViewGlid";
    static constexpr const char16_t *WindowSection = u"FormViewGrid";
};

// The opener's note in the window's section: "Main" or "FindAll".
void writeGridParent(IniAccess &ini, const QString &parent);
[[nodiscard]] QString readGridParent(const IniAccess &ini);

} // namespace quillon
