// Every line source against one reference: the joined text as a plain string,
// with positions, line ends and caret steps worked out on that string.
#include "LineNumberSource.h"
#include "LineNumberText.h"
#include "TextBufferSource.h"
#include "TextViewGeometry.h"
#include "WrapIndex.h"

#include <QStringList>
#include "support/LineSourceCheck.h"

#include <gtest/gtest.h>
#include <random>

using namespace quillon;
using quillon::test::expectMatches;

namespace {

std::shared_ptr<const TextBuffer> makeBuffer(const QString &text)
{
    TextSink sink;
    for (QChar c : text)
        sink.put(c.unicode());
    return std::make_shared<const TextBuffer>(sink.finish());
}

// Lines held apart and handed out through scratch, as a source that computes
// its rows does; it keeps the base class's text() and longestLine().
class ScratchLines final : public LineSource {
public:
    explicit ScratchLines(const QString &joined) : m_lines(joined.split(QStringLiteral("\r\n"))) {}
    int lineCount() const override { return int(m_lines.size()); }
    TextPos length() const override { return lineStart(lineCount()); }
    TextPos lineStart(int line) const override
    {
        TextPos pos = 0;
        for (int l = 0; l < std::min(line, lineCount()); ++l)
            pos += int(m_lines[l].size()) + 2;
        return line >= lineCount() ? pos - 2 : pos;
    }
    int lineLength(int line) const override { return line < 0 || line >= lineCount() ? 0 : int(m_lines[line].size()); }
    int lineOf(TextPos pos) const override
    {
        int l = 0;
        while (l + 1 < lineCount() && lineStart(l + 1) <= pos)
            ++l;
        return l;
    }
    QStringView line(int line, QString &scratch) const override
    {
        scratch = (line < 0 || line >= lineCount()) ? QString() : m_lines[line];
        return scratch;
    }

private:
    QStringList m_lines;
};

QString randomText(std::mt19937 &rng, int units)
{
    // Letters, tabs, line ends, surrogate pairs and a lone surrogate.
    const QString pieces[] = {QStringLiteral("a"), QStringLiteral("\t"), QStringLiteral("\r\n"),
                              QString::fromUcs4(U"\U0001F600"), QString(QChar(0xD800)), QString(QChar(0x3042))};
    QString out;
    while (out.size() < units)
        out += pieces[rng() % std::size(pieces)];
    return out;
}

QString joinedNumbers(int count, int lineZero)
{
    QStringList numbers;
    for (int i = 1; i <= count; ++i)
        numbers << LineNumberText::format(i, lineZero);
    return numbers.join(QStringLiteral("\r\n"));
}

} // namespace

TEST(LineSource, StoredAndComputedLinesMatchTheJoinedText)
{
    std::vector<QString> texts = {
        QString(), QStringLiteral("a"), QStringLiteral("a\r\n"), QStringLiteral("\r\n\r\n"),
        QStringLiteral("ab\r\ncd"), QStringLiteral("x") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("\r\n")
            + QString::fromUcs4(U"\U0001F600"),
        QStringLiteral("a") + QChar(0xD800) + QStringLiteral("\r\nb"), // a lone high surrogate before the line end
    };
    std::mt19937 rng(8);
    for (int i = 0; i < 20; ++i)
        texts.push_back(randomText(rng, 1 + i * 7));
    for (const QString &t : texts) {
        expectMatches(TextBufferSource(makeBuffer(t)), t);
        expectMatches(ScratchLines(t), t);
    }
}

TEST(LineSource, WholeTextOfTheBufferIsSharedNotCopied)
{
    const auto buffer = makeBuffer(QStringLiteral("one\r\ntwo"));
    const TextBufferSource src(buffer);
    EXPECT_EQ(src.text(0, src.length()).constData(), buffer->text().constData());
    EXPECT_EQ(TextBufferSource(nullptr).lineCount(), 1);
}

TEST(LineNumberSource, SmallCountsMatchTheNumbersWrittenOut)
{
    for (int lineZero : {0, 1}) {
        for (int count : {0, 1, 2, 101}) {
            SCOPED_TRACE(count);
            expectMatches(LineNumberSource(count, lineZero), joinedNumbers(count, lineZero));
        }
    }
    // 100 lines get 101 numbers, the last one without a line end after it.
    const LineNumberSource numbers(LineNumberText::countFor(100), 1);
    EXPECT_EQ(numbers.lineText(0), QStringLiteral("000001"));
    EXPECT_EQ(numbers.lineText(100), QStringLiteral("000101"));
    EXPECT_EQ(numbers.lineText(101), QString());
}

TEST(LineNumberSource, PositionsPastAMillionFollowTheWiderNumbers)
{
    // Every line of a source crossing 999999 -> 1000000, against a running sum.
    const int count = 1000005;
    const LineNumberSource src(count, 0);
    qint64 start = 0;
    for (int i = 1; i <= count; ++i) {
        const int width = int(LineNumberText::format(i, 0).size());
        ASSERT_EQ(src.lineStart(i - 1), start) << i;
        ASSERT_EQ(src.lineLength(i - 1), width) << i;
        ASSERT_EQ(src.lineOf(int(start)), i - 1) << i;
        ASSERT_EQ(src.lineOf(int(start + width + 1)), i - 1) << i; // between CR and LF
        start += width + 2;
    }
    EXPECT_EQ(src.length(), start - 2);
    EXPECT_EQ(src.lineText(999999), QStringLiteral("1000000"));
    EXPECT_EQ(src.longestLine(), count - 1);
    EXPECT_EQ(src.text(src.lineStart(999998), 17), QStringLiteral("999999\r\n1000000\r\n"));
}

TEST(LineNumberSource, CountIsCutToThe32BitPositions)
{
    const LineNumberSource src(std::numeric_limits<int>::max(), 1);
    EXPECT_LT(src.numberCount(), std::numeric_limits<int>::max());
    EXPECT_LE(src.length(), TextBuffer::MaxLength);
    const int last = src.lineCount() - 1;
    EXPECT_EQ(src.lineStart(last) + src.lineLength(last), src.length());
    EXPECT_EQ(src.lineOf(src.length()), last);
    EXPECT_EQ(src.lineText(last), LineNumberText::format(last + 1, 1));
    // One more number would not fit.
    EXPECT_GT(qint64(src.length()) + 2 + src.lineLength(last), TextBuffer::MaxLength);
}

TEST(WrapIndex, ComputedLinesBreakAsTheSameTextStored)
{
    TextViewGeometry g([](char32_t cp) { return cp < 0x100 ? 7.0 : 14.0; });
    g.setTabWidth(28);
    std::mt19937 rng(3);
    QString text;
    for (int i = 0; i < 60; ++i)
        text += randomText(rng, int(rng() % 40)) + QStringLiteral("\r\n");
    const TextBufferSource stored(makeBuffer(text));
    const ScratchLines computed(text);
    WrapIndex a, b;
    a.reset(&stored, &g, 60);
    b.reset(&computed, &g, 60);
    ASSERT_EQ(a.displayLineCount(), b.displayLineCount());
    for (int dl = 0; dl < a.displayLineCount(); ++dl) {
        ASSERT_EQ(a.displayLineStart(dl), b.displayLineStart(dl)) << dl;
        ASSERT_EQ(a.displayLineLength(dl), b.displayLineLength(dl)) << dl;
    }
}
