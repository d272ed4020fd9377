#pragma once
// One set of expectations for every WindowSystem: the in-memory one the
// tests use and the X11 one the desktop uses must behave alike, or the tests
// prove nothing about the program on a desktop. Each implementation gives a
// Desk: the system under test plus a way to make other programs' windows.
#include "WindowSystem.h"

#include <gtest/gtest.h>

#include <QList>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace quillon::test {

struct TakenData {
    WindowHandle sender = 0;
    quint32 tag = 0;
    QByteArray data;
};

class Desk {
public:
    virtual ~Desk() = default;
    virtual WindowSystem &system() = 0;
    // A window of another program, mapped and listed before this returns.
    virtual WindowHandle open(const QString &title) = 0;
    virtual void minimise(WindowHandle window) = 0;
    // Whether the window is minimised, as the desk itself sees it (not
    // through the WindowSystem under test).
    virtual bool minimisedHere(WindowHandle window) = 0;
    virtual void destroy(WindowHandle window) = 0;
    // What the window has been handed, in order.
    virtual QList<TakenData> taken(WindowHandle window) = 0;
};

// A desktop answers in its own time: wait for the condition, up to 10 s.
inline bool eventually(const std::function<bool()> &condition)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

inline int positionOf(WindowSystem &system, WindowHandle window)
{
    const QList<TopWindow> list = system.topLevelWindows();
    for (int i = 0; i < int(list.size()); ++i) {
        if (list[i].handle == window)
            return i;
    }
    return -1;
}

template <typename DeskType>
class WindowSystemContract : public ::testing::Test {
protected:
    std::unique_ptr<Desk> desk = std::make_unique<DeskType>();
    WindowSystem &system() { return desk->system(); }
};

TYPED_TEST_SUITE_P(WindowSystemContract);

TYPED_TEST_P(WindowSystemContract, ListsEveryWindowWithItsTitleTopmostFirst)
{
    WindowSystem &s = this->system();
    ASSERT_TRUE(s.available());
    const QString filerTitle = QString::fromUtf16(u"C:\\データ\\ａ.txt - Harbek");
    const WindowHandle filer = this->desk->open(filerTitle);
    const WindowHandle viewer = this->desk->open(QStringLiteral("/tmp/b.txt - Quillon"));
    ASSERT_TRUE(eventually([&] { return positionOf(s, viewer) >= 0 && positionOf(s, filer) >= 0; }));
    QString seen;
    for (const TopWindow &w : s.topLevelWindows()) {
        if (w.handle == filer)
            seen = w.title;
    }
    EXPECT_EQ(seen, filerTitle); // non-ASCII titles intact
    // The later window stands above the earlier one.
    EXPECT_TRUE(eventually([&] { return positionOf(s, viewer) < positionOf(s, filer); }));
}

TYPED_TEST_P(WindowSystemContract, ForegroundMinimiseAndRestore)
{
    WindowSystem &s = this->system();
    const WindowHandle a = this->desk->open(QStringLiteral("a - Harbek"));
    const WindowHandle b = this->desk->open(QStringLiteral("b - Harbek"));
    ASSERT_TRUE(eventually([&] { return positionOf(s, a) >= 0 && positionOf(s, b) >= 0; }));

    s.setForeground(a);
    EXPECT_TRUE(eventually([&] { return s.foreground() == a; }));
    EXPECT_TRUE(eventually([&] { return positionOf(s, a) < positionOf(s, b); }));
    EXPECT_FALSE(s.isIconic(a));

    // The user's minimise, asked again while it has not happened: a window
    // manager busy with the activation just before may drop the request.
    int asked = 0;
    if (!eventually([&] {
            if (asked++ % 25 == 0)
                this->desk->minimise(a);
            return s.isIconic(a);
        })) {
        ASSERT_FALSE(this->desk->minimisedHere(a)) << "the window is minimised, but isIconic does not see it";
        GTEST_SKIP() << "the window manager did not minimise the window";
    }
    EXPECT_FALSE(s.isIconic(b));
    s.restore(a);
    EXPECT_TRUE(eventually([&] { return !s.isIconic(a); }));
    s.setForeground(a);
    EXPECT_TRUE(eventually([&] { return s.foreground() == a; }));
}

TYPED_TEST_P(WindowSystemContract, CloseAsksTheWindowToClose)
{
    WindowSystem &s = this->system();
    const WindowHandle a = this->desk->open(QStringLiteral("a.txt - Harbekan"));
    const WindowHandle b = this->desk->open(QStringLiteral("b.txt - Harbekan"));
    ASSERT_TRUE(eventually([&] { return positionOf(s, a) >= 0 && positionOf(s, b) >= 0; }));
    s.close(a);
    EXPECT_TRUE(eventually([&] { return positionOf(s, a) < 0; }));
    EXPECT_GE(positionOf(s, b), 0);
}

TYPED_TEST_P(WindowSystemContract, DataArrivesWholeBeforeTheSendReturns)
{
    WindowSystem &s = this->system();
    const WindowHandle filer = this->desk->open(QStringLiteral("x - Harbek"));
    ASSERT_TRUE(eventually([&] { return positionOf(s, filer) >= 0; }));
    // Every byte value, an odd length and bytes past the first 0.
    QByteArray data;
    for (int i = 0; i < 301; ++i)
        data.append(char(i * 7));
    ASSERT_TRUE(s.sendData(filer, 0x1234567, 32800, data));
    const QList<TakenData> taken = this->desk->taken(filer); // no waiting: the send is synchronous
    ASSERT_EQ(taken.size(), 1);
    EXPECT_EQ(taken[0].sender, WindowHandle(0x1234567));
    EXPECT_EQ(taken[0].tag, 32800u);
    EXPECT_EQ(taken[0].data, data);

    EXPECT_TRUE(s.sendData(filer, 1, 32800, QByteArray(2, '\0')));
    EXPECT_EQ(this->desk->taken(filer).size(), 2);
}

TYPED_TEST_P(WindowSystemContract, AWindowThatIsGoneTakesNothingAndBreaksNothing)
{
    WindowSystem &s = this->system();
    const WindowHandle gone = this->desk->open(QStringLiteral("gone - Harbek"));
    ASSERT_TRUE(eventually([&] { return positionOf(s, gone) >= 0; }));
    this->desk->destroy(gone);
    ASSERT_TRUE(eventually([&] { return positionOf(s, gone) < 0; }));
    EXPECT_FALSE(s.sendData(gone, 1, 32800, QByteArray("a\0", 2)));
    s.setForeground(gone);
    s.restore(gone);
    s.close(gone);
    EXPECT_FALSE(s.isIconic(gone));
    // Still answering.
    const WindowHandle after = this->desk->open(QStringLiteral("after - Harbek"));
    EXPECT_TRUE(eventually([&] { return positionOf(s, after) >= 0; }));
}

REGISTER_TYPED_TEST_SUITE_P(WindowSystemContract, ListsEveryWindowWithItsTitleTopmostFirst,
                            ForegroundMinimiseAndRestore, CloseAsksTheWindowToClose,
                            DataArrivesWholeBeforeTheSendReturns, AWindowThatIsGoneTakesNothingAndBreaksNothing);

} // namespace quillon::test
