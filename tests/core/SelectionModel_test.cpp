#include "LineNumberSource.h"
#include "SelectionModel.h"
#include "TextBufferSource.h"

#include <gtest/gtest.h>

using namespace quillon;
using Change = SelectionModel::Change;

namespace {

std::shared_ptr<const TextBuffer> makeBuffer(const QString &text)
{
    TextSink sink;
    for (QChar c : text)
        sink.put(c.unicode());
    return std::make_shared<const TextBuffer>(sink.finish());
}

// a b CR LF c <pair> d: positions 0 1 2 3 4 5 6 7, the pair at 5..6, length 8.
const QString Text = QStringLiteral("ab\r\nc") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("d");

struct Fixture {
    TextBufferSource source{makeBuffer(Text)};
    SelectionModel model;
    Fixture() { model.setSource(&source); }
};

} // namespace

TEST(SelectionModel, SelectSnapsClampsAndReportsWhatMoved)
{
    struct Case {
        int fromAnchor, fromCaret; // state before
        int anchor, caret;         // asked for
        int wantAnchor, wantCaret;
        Change change;
    } cases[] = {
        {0, 0, 1, 4, 1, 4, {true, true}},
        {1, 4, 3, 6, 2, 5, {true, true}},     // inside CR LF and inside the pair: back to their start
        {1, 4, 4, 1, 4, 1, {true, false}},    // same range, caret at the other end
        {2, 2, 3, 3, 2, 2, {false, false}},   // snaps onto itself: nothing moved
        {0, 0, -5, 99, 0, 8, {true, true}},   // clamped to the text
        {0, 3, 0, 2, 0, 2, {false, false}},   // the caret was already snapped to 2
    };
    for (const Case &c : cases) {
        Fixture f;
        f.model.select(c.fromAnchor, c.fromCaret);
        const Change got = f.model.select(c.anchor, c.caret);
        EXPECT_EQ(f.model.anchor(), c.wantAnchor) << c.anchor << "," << c.caret;
        EXPECT_EQ(f.model.caret(), c.wantCaret) << c.anchor << "," << c.caret;
        EXPECT_EQ(got, c.change) << c.anchor << "," << c.caret;
    }
}

TEST(SelectionModel, StepsCollapseAndExtend)
{
    Fixture f;
    SelectionModel &m = f.model;
    // Right from 0: a, b, over CR LF as one step, c, over the pair as one.
    std::vector<int> stops;
    for (int i = 0; i < 7; ++i) {
        m.stepRight(false);
        stops.push_back(m.caret());
    }
    EXPECT_EQ(stops, (std::vector<int>{1, 2, 4, 5, 7, 8, 8}));
    m.stepLeft(true);
    m.stepLeft(true);
    EXPECT_EQ(m.anchor(), 8);
    EXPECT_EQ(m.caret(), 5);
    EXPECT_EQ(m.selectedText(), QString::fromUcs4(U"\U0001F600") + QStringLiteral("d"));
    // Without Shift a selection collapses to its near edge first.
    m.stepRight(false);
    EXPECT_FALSE(m.hasSelection());
    EXPECT_EQ(m.caret(), 8);
    m.select(4, 1);
    m.stepLeft(false);
    EXPECT_EQ(m.caret(), 1);
    EXPECT_FALSE(m.hasSelection());
}

TEST(SelectionModel, GoalXLastsOverVerticalMovesOnly)
{
    Fixture f;
    SelectionModel &m = f.model;
    EXPECT_FALSE(m.goalX());
    m.setGoalX(42);
    m.moveTo(4, false, SelectionModel::Goal::Keep);
    EXPECT_EQ(m.goalX(), 42);
    m.moveTo(5, true, SelectionModel::Goal::Keep);
    EXPECT_EQ(m.anchor(), 4);
    EXPECT_EQ(m.goalX(), 42);
    m.moveTo(1, false);
    EXPECT_FALSE(m.goalX());
    m.setGoalX(7);
    m.stepRight(false);
    EXPECT_FALSE(m.goalX());
    m.setGoalX(7);
    m.collapse(0);
    EXPECT_FALSE(m.goalX());
}

TEST(SelectionModel, NewSourceResetsAndSelectionsClampToIt)
{
    Fixture f;
    SelectionModel &m = f.model;
    EXPECT_EQ(m.setSelection(4, 100), (Change{true, true}));
    EXPECT_EQ(m.selectionStart(), 4);
    EXPECT_EQ(m.selectionLength(), 4);
    EXPECT_EQ(m.caret(), 8);

    const LineNumberSource numbers(3, 1);
    EXPECT_EQ(m.setSource(&numbers), (Change{true, true}));
    EXPECT_EQ(m.caret(), 0);
    EXPECT_EQ(m.setSource(&numbers), (Change{false, false}));
    m.selectAll();
    EXPECT_EQ(m.selectedText(), QStringLiteral("000001\r\n000002\r\n000003"));
    m.setSelection(4, 6); // a computed source copies across its line ends too
    EXPECT_EQ(m.selectedText(), QStringLiteral("01\r\n00"));

    SelectionModel none;
    EXPECT_EQ(none.select(3, 5), (Change{false, false}));
    EXPECT_TRUE(none.selectedText().isEmpty());
}

TEST(SelectionModel, WordAroundAPositionOfALine)
{
    const QString line = QStringLiteral("foo bar_1, baz");
    const auto source = TextBufferSource(makeBuffer(QStringLiteral("x\r\n") + line));
    SelectionModel m;
    m.setSource(&source);
    m.selectWord(line, 3, 3 + 6); // inside bar_1
    EXPECT_EQ(m.selectedText(), QStringLiteral("bar_1"));
    EXPECT_EQ(m.caret(), 3 + 9);
}
