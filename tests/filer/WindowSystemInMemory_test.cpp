// The contract on the in-memory desktop the other tests use.
#include "InMemoryWindowSystem.h"
#include "WindowSystemContract.h"

namespace quillon::test {
namespace {

class InMemoryDesk : public Desk {
public:
    WindowSystem &system() override { return m_system; }
    WindowHandle open(const QString &title) override { return m_system.addWindow(title); }
    void minimise(WindowHandle window) override { m_system.minimise(window); }
    bool minimisedHere(WindowHandle window) override { return m_system.isIconic(window); }
    void destroy(WindowHandle window) override { m_system.removeWindow(window); }
    QList<TakenData> taken(WindowHandle window) override
    {
        QList<TakenData> list;
        for (const auto &r : m_system.received) {
            if (r.window == window)
                list.append({r.sender, r.tag, r.data});
        }
        return list;
    }

private:
    InMemoryWindowSystem m_system;
};

} // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, WindowSystemContract, InMemoryDesk);

} // namespace quillon::test
