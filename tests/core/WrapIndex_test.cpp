#include "TextBufferSource.h"
#include "WrapIndex.h"
#include "support/TestText.h"

#include <QString>
#include <gtest/gtest.h>

using quillon::TextBuffer;
using quillon::TextBufferSource;
using quillon::TextSink;
using quillon::TextViewGeometry;
using quillon::WrapIndex;

namespace {

// Half-width 10 px, from U+3000 on 20 px.
TextViewGeometry fakeGeometry()
{
    TextViewGeometry g([](char32_t cp) -> qreal { return cp >= 0x3000 ? 20 : 10; });
    g.setTabWidth(40);
    return g;
}

std::shared_ptr<const TextBuffer> makeBuffer(const QString &text)
{
    return quillon::test::sharedBufferOf(text);
}

} // namespace

TEST(WrapIndex, BreakLine)
{
    const TextViewGeometry g = fakeGeometry();
    struct Case {
        const char16_t *line;
        qreal width;
        std::vector<int> starts;
    } cases[] = {
        {u"abcdefg", 30, {0, 3, 6}},
        {u"abcdef", 30, {0, 3}},           // exact fit: no empty display line
        {u"ab cd ef", 30, {0, 3, 6}},      // after the spaces
        {u"ab cdefgh", 40, {0, 3, 7}},     // a word too long breaks by character
        {u"\u3042\u3044\u3046", 30, {0, 1, 2}},
        {u"\u3042\u3044\u3046", 10, {0, 1, 2}}, // wider than the line: one each
        {u"a\tb", 45, {0, 2}},             // the tab fits (to 40), b does not
        {u"", 30, {0}},
        {u"abcdefg", 0, {0}},              // no width: no wrapping
    };
    for (const auto &c : cases)
        EXPECT_EQ(WrapIndex::breakLine(QStringView(c.line), g, c.width), c.starts)
            << QString::fromUtf16(c.line).toStdString() << " @" << c.width;

    // A surrogate pair is never split.
    const QString pairs = QString::fromUcs4(U"\U00020000\U00020000\U00020000");
    EXPECT_EQ(WrapIndex::breakLine(pairs, g, 30), (std::vector<int>{0, 2, 4}));
}

TEST(WrapIndex, MapsPositionsAndDisplayLines)
{
    const TextViewGeometry g = fakeGeometry();
    // "abcdefg" | "" | "xy" at width 30: abc def g | (empty) | xy
    const TextBufferSource b(makeBuffer(QStringLiteral("abcdefg\r\n\r\nxy")));
    WrapIndex w;
    w.reset(&b, &g, 30);
    EXPECT_EQ(w.displayLineCount(), 5);
    const int starts[] = {0, 3, 6, 9, 11};
    const int lengths[] = {3, 3, 1, 0, 2};
    for (int dl = 0; dl < 5; ++dl) {
        EXPECT_EQ(w.displayLineStart(dl), starts[dl]) << dl;
        EXPECT_EQ(w.displayLineLength(dl), lengths[dl]) << dl;
    }
    const int lineOf[] = {0, 0, 0, 1, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4};
    for (int pos = 0; pos <= b.length(); ++pos)
        EXPECT_EQ(w.displayLineOf(pos), lineOf[pos]) << pos;
    EXPECT_EQ(w.displayLineOf(-3), 0);
    EXPECT_EQ(w.displayLineOf(999), 4);
    EXPECT_EQ(w.displayLineStart(99), 11);
}

TEST(WrapIndex, BreaksOnlyAsFarAsAsked)
{
    const TextViewGeometry g = fakeGeometry();
    QString text;
    for (int i = 0; i < 10000; ++i)
        text += QStringLiteral("abcdefgh\n");
    const TextBufferSource b(makeBuffer(text));
    WrapIndex w;
    w.reset(&b, &g, 40); // each line: abcd efgh
    EXPECT_EQ(w.displayLineStart(5), b.lineStart(2) + 4);
    EXPECT_LE(w.linesDone(), 4);
    EXPECT_EQ(w.displayLineCount(), 20001);
    EXPECT_EQ(w.linesDone(), b.lineCount());
}
