#pragma once
// Checks any line source against the joined text it stands for: lines,
// positions, caret steps and ranges, position by position.
#include "LineSource.h"
#include "TextViewGeometry.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>

namespace quillon::test {

inline void expectMatches(const LineSource &src, const QString &joined)
{
    SCOPED_TRACE(joined.toStdString());
    const QStringList lines = joined.split(QStringLiteral("\r\n"));
    const int n = int(joined.size());
    ASSERT_EQ(src.length(), n);
    ASSERT_EQ(src.lineCount(), int(lines.size()));
    int start = 0;
    int longest = 0;
    for (int l = 0; l < int(lines.size()); ++l) {
        ASSERT_EQ(src.lineStart(l), start) << l;
        ASSERT_EQ(src.lineLength(l), int(lines[l].size())) << l;
        ASSERT_EQ(src.lineText(l), lines[l]) << l;
        longest = std::max(longest, int(lines[l].size()));
        start += int(lines[l].size()) + 2;
    }
    EXPECT_EQ(src.lineStart(-1), 0);
    EXPECT_EQ(src.lineStart(src.lineCount()), n);
    EXPECT_EQ(src.lineLength(src.lineCount()), 0);
    EXPECT_TRUE(src.lineText(src.lineCount()).isEmpty());
    EXPECT_EQ(src.lineLength(src.longestLine()), longest);

    for (int pos = -2; pos <= n + 2; ++pos) {
        const int clamped = std::clamp(pos, 0, n);
        const int expectedLine = int(QStringView(joined).left(clamped).count(QStringLiteral("\r\n")));
        ASSERT_EQ(src.lineOf(pos), expectedLine) << pos;
        ASSERT_EQ(src.snapPosition(pos), TextViewGeometry::snapPosition(joined, pos)) << pos;
        ASSERT_EQ(src.nextPosition(pos), TextViewGeometry::nextPosition(joined, pos)) << pos;
        ASSERT_EQ(src.previousPosition(pos), TextViewGeometry::previousPosition(joined, pos)) << pos;
    }
    for (int s = 0; s <= n; ++s) {
        for (int len : {0, 1, 2, 3, 7, n - s, n})
            ASSERT_EQ(src.text(s, len), joined.mid(s, len)) << s << "+" << len;
    }
}

} // namespace quillon::test
