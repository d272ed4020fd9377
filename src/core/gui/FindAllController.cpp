#include "FindAllController.h"

#include "AppPaths.h"
#include "FindAllHost.h"
#include "FindAllKeyMap.h"
#include "FindAllMessages.h"
#include "IniFile.h"
#include "LanguageController.h"
#include "NavigationController.h"
#include "GridController.h"
#include "TFormFindAll.h"
#include "TFormKeyBoard.h"
#include "TFormViewGrid.h"
#include "TFormJump.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

namespace quillon {

namespace {

class MainFindAllHost : public FindAllHost {
public:
    explicit MainFindAllHost(TFormMain &w) : m_w(w) {}

    bool japanese() const override { return m_w.BoolJapanese; }
    MessageAnswer message(const QString &japanese, const QString &english, MessageButtons buttons) override
    {
        return m_w.showMessage(japanese, english, buttons);
    }
    const TMemoExDark *textView() const override { return m_w.textView(); }
    const TMemoExDark *lineNumberView() const override { return m_w.lineNumberView(); }
    QString loadedFileName() const override { return m_w.StrLoadFileName; }
    int pageAmount() const override { return m_w.navigation().IntScroll3; }
    TFormFind *findDialog() const override { return m_w.findDialog(); }
    void applyLanguage(QWidget *window, const QString &fileName) override
    {
        m_w.language().applyWindowLanguage(window, fileName);
    }
    void openJumpDialog(QWidget *parent, std::function<void()> onOk) override
    {
        auto *dialog = new TFormJump(m_w.BoolJapanese, parent, [this](const QString &japanese, const QString &english) {
            m_w.showMessage(japanese, english);
        });
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_w.language().applyWindowLanguage(dialog, QStringLiteral("Jump.txt"));
        QObject::connect(dialog, &QDialog::finished, parent, [onOk = std::move(onOk)](int result) {
            if (result == QDialog::Accepted)
                onOk();
        });
        dialog->open();
    }

    // The grid window opens on the hand-off file the find-all window has
    // just written ("Parent" of [FormViewGrid] reads "FindAll").
    bool gridAvailable() const override { return true; }
    void openGrid(QWidget *parent) override
    {
        TFormViewGrid::open(parent, TFormViewGrid::findAllHandOffPath(), QStringLiteral("FindAll"),
                            m_w.grid().context());
    }

    // The keyboard dialog for "Quillon-KeyMapFindAll.txt" ("Parent" of
    // [FormKeyBoard] reads "FindAll"), over the find-all window.
    bool keyboardDialogAvailable() const override { return true; }
    void openKeyboardDialog(QWidget *parent, std::function<void()> onOk) override
    {
        KeyMapParent keys = KeyMapParent::forName(QStringLiteral("FindAll"));
        keys.defaults = [](int exeType) { return FindAllKeyMap::InitKeyMap(exeType); };
        TFormKeyBoard::openFor(std::move(keys), m_w.BoolJapanese, parent, std::move(onOk));
    }

private:
    TFormMain &m_w;
};

} // namespace

FindAllController::FindAllController(TFormMain &window)
    : m_w(window)
    , m_host(std::make_unique<MainFindAllHost>(window))
{
}

FindAllController::~FindAllController()
{
    // Open lists read the main window through the host: they go with it.
    qDeleteAll(m_w.findChildren<TFormFindAll *>(Qt::FindDirectChildrenOnly));
}

void FindAllController::registerCommands()
{
    // Search commands, so the hex dump holds them like the find dialog's.
    constexpr auto textOnly = TFormMain::WhileDump::StandsStill;
    m_w.registerCommand(u"1105", [this] { openFindAll(QStringLiteral("FindAll")); }, textOnly);
    m_w.registerCommand(u"1106", [this] { openFindAll(QStringLiteral("FindFileAll")); }, textOnly);
}

void FindAllController::openFindAll(const QString &mode)
{
    if (m_w.textView()->length() == 0) {
        m_w.showMessage(FindAllMessages::fileNotRead());
        return;
    }
    IniFile ini(AppPaths::settingsPath());
    ini.writeString(QStringLiteral("FormFind"), QStringLiteral("Parent"), mode);
    auto *window = new TFormFindAll(m_host.get(), &m_w);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &QDialog::finished, this, [this] { m_w.textView()->setFocus(); });
    window->open();
}

} // namespace quillon
