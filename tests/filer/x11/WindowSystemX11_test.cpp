// The contract on a real X server with a window manager (the test command
// starts Xvfb and openbox for it).
#include "X11TestWindows.h"
#include "X11WindowSystem.h"
#include "WindowSystemContract.h"

namespace quillon::test {
namespace {

class X11Desk : public Desk {
public:
    WindowSystem &system() override { return m_system; }
    WindowHandle open(const QString &title) override
    {
        const quint32 w = m_windows.open(title);
        m_opened.append(w);
        return w;
    }
    void minimise(WindowHandle window) override { m_windows.minimise(quint32(window)); }
    bool minimisedHere(WindowHandle window) override { return m_windows.iconic(quint32(window)); }
    void destroy(WindowHandle window) override { m_windows.destroy(quint32(window)); }
    QList<TakenData> taken(WindowHandle window) override
    {
        QList<TakenData> list;
        for (const auto &d : m_windows.taken(quint32(window))) {
            EXPECT_EQ(d.size, quint32(d.bytes.size())) << "the size in the message and the data disagree";
            list.append({d.sender, d.tag, d.bytes});
        }
        return list;
    }
    ~X11Desk() override
    {
        for (quint32 w : m_opened)
            m_windows.destroy(w);
    }

private:
    X11TestWindows m_windows;
    X11WindowSystem m_system;
    QList<quint32> m_opened;
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(X11, WindowSystemContract, X11Desk);

TEST(X11WindowSystem, WithoutADisplayItIsNotAvailable)
{
    X11WindowSystem nowhere(QByteArrayLiteral(":9999"));
    EXPECT_FALSE(nowhere.available());
    EXPECT_TRUE(nowhere.topLevelWindows().isEmpty());
    EXPECT_FALSE(nowhere.sendData(1, 2, 32800, QByteArray(2, '\0')));
}

} // namespace quillon::test
