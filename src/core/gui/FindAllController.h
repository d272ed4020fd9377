#pragma once
// The find-all area of the main window: commands 1105 (find all) and 1106
// (multi-file search) open the find-all window in its mode, and this is
// what that window reads from the main window (FindAllHost).
#include <QObject>
#include <QString>

#include <memory>

namespace quillon {

class FindAllHost;
class TFormMain;

class FindAllController : public QObject {
public:
    explicit FindAllController(TFormMain &window);
    ~FindAllController() override;

    void registerCommands();
    // Opens the find-all window in mode "FindAll" or "FindFileAll".
    void openFindAll(const QString &mode);

private:
    TFormMain &m_w;
    std::unique_ptr<FindAllHost> m_host;
};

} // namespace quillon
