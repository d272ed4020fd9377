#include "FileController.h"

#include "EventWatcher.h"
#include "HistoryController.h"
#include "MainMenuBuilder.h"
#include "MainMessages.h"
#include "TFormFind.h"
#include "TFormMain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>

namespace quillon {

namespace {

// Command codes of the read settings, indexed by the read-setting number.
constexpr CommandCode readSettingCodes[] = {u"1321", u"1301", u"1302", u"1303", u"1304", u"1305",
                                            u"1306", u"1307", u"1308", u"1309", u"1310"};
// The close keys Esc, Enter, Q and X.
constexpr CommandCode closeKeyCodes[] = {u"1551", u"1552", u"1553", u"1554"};

} // namespace

FileController::FileController(TFormMain &window)
    : m_w(window)
{
}

void FileController::registerCommands()
{
    const MainSettings &settings = m_w.settings();
    for (int i = 0; i <= 10; ++i) {
        if (QAction *a = m_w.commandAction(readSettingCodes[i]))
            a->setChecked(settings.readSetting[size_t(i)]);
    }
    syncCheckMarks();

    constexpr auto textOnly = TFormMain::WhileDump::StandsStill;
    m_w.registerCommand(u"1001", [this] { openFileDialog(); }, textOnly);
    m_w.registerCommand(u"1031", [this] { m_w.close(); });
    for (int i = 0; i <= 10; ++i)
        m_w.registerCommand(readSettingCodes[i], [this, i] { setReadSetting(i); }, textOnly);
    for (int i = 0; i < 4; ++i)
        m_w.registerCommand(closeKeyCodes[i], [this, i] { toggleCloseKey(i); }, textOnly);
    m_w.registerCommand(u"1902", [this] { m_w.showMinimized(); });
    m_w.registerCommand(u"1903", [this] { m_w.showNormal(); });
    m_w.registerCommand(u"1904", [this] { m_w.showMaximized(); });
}

void FileController::syncCheckMarks()
{
    const MainSettings &settings = m_w.settings();
    if (QAction *a = m_w.commandAction(readSettingCodes[settings.checkedReadSetting()]))
        a->setChecked(true);
    const bool closeKeys[] = {settings.closeEsc, settings.closeEnter, settings.closeQ, settings.closeX};
    for (int i = 0; i < 4; ++i) {
        if (QAction *a = m_w.commandAction(closeKeyCodes[i]))
            a->setChecked(closeKeys[i]);
    }
}

void FileController::openFileDialog()
{
    m_w.history().UpdateHistory();
    MainSettings &settings = m_w.settings();
    OpenFileRequest request;
    request.filter = QStringLiteral("Text(*.txt;*.ini;*js;*.his;*.csv)|*.txt;*.ini;*js;*.his;*.csv|"
                                    "Java(*.java;*.xml)|*.java;*.xml|All(*.*)|*.*");
    settings.reload(m_w.ini(), MainKey::LoadFolderFile);
    request.initialPath = settings.loadFolderFile;
    QString name;
    if (MessageService::dialogs().openFile(&m_w, request, &name)) {
        if (name.isEmpty()) {
            m_w.showMessage(MainMessages::noFileName());
        } else {
            settings.loadFolderFile = name;
            settings.save(m_w.ini(), MainKey::LoadFolderFile);
            m_w.StrLoadFileName = QFileInfo(name).absoluteFilePath();
            m_w.SetLoadIndexFromMenu();
            m_w.LoadFile();
        }
    }
    m_w.MemoStatus();
    m_w.refreshLineCountPanel();
}

void FileController::setReadSetting(int number)
{
    MainSettings &settings = m_w.settings();
    const int current = settings.checkedReadSetting();
    if (number == current) {
        // The menu checked the item itself: put the check back where it was.
        if (QAction *a = m_w.commandAction(readSettingCodes[current]))
            a->setChecked(true);
        return;
    }
    settings.setReadSetting(number);
    if (QAction *a = m_w.commandAction(readSettingCodes[number]))
        a->setChecked(true);
    m_w.SetLoadIndexFromMenu();
    if (!m_w.StrLoadFileName.isEmpty()) {
        m_w.history().keepPositionForReload();
        m_w.LoadFile();
    }
}

void FileController::toggleCloseKey(int index)
{
    MainSettings &settings = m_w.settings();
    QAction *a = m_w.commandAction(closeKeyCodes[index]);
    bool *const flags[] = {&settings.closeEsc, &settings.closeEnter, &settings.closeQ, &settings.closeX};
    const MainKey keys[] = {MainKey::CloseEsc, MainKey::CloseEnter, MainKey::CloseQ, MainKey::CloseX};
    bool *flag = flags[index];
    *flag = !*flag;
    if (a)
        a->setChecked(*flag);
    settings.save(m_w.ini(), keys[index]);
}

void FileController::watchCloseKeys()
{
    EventWatcher::watch(qApp, m_w.signalContext(), [this](QObject *watched, QEvent *event) {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto *w = qobject_cast<QWidget *>(watched);
        return w && w->window() == &m_w && handleCloseKey(static_cast<QKeyEvent *>(event));
    });
}

bool FileController::handleCloseKey(QKeyEvent *event)
{
    // Only a key with no modifier at all (Shift+Esc does not close).
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier || event->isAutoRepeat())
        return false;
    if (m_w.menus().menuBarState() != MenuBarState::Normal)
        return false; // the search menu or the dummy menu is active
    const MainSettings &settings = m_w.settings();
    const QComboBox *searchBox = m_w.searchCombo();
    bool close = false;
    switch (event->key()) {
    case Qt::Key_Escape:
        close = settings.closeEsc;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close = settings.closeEnter && !searchBox->hasFocus()
                && QApplication::focusWidget() != static_cast<QWidget *>(searchBox->lineEdit());
        break;
    case Qt::Key_Q:
        close = settings.closeQ;
        break;
    case Qt::Key_X:
        close = settings.closeX;
        break;
    default:
        return false;
    }
    if (!close)
        return false;
    // An open find dialog goes first; the viewer stays.
    if (TFormFind *find = m_w.findDialog(); find && find->isVisible()) {
        find->close();
        return true;
    }
    closeViewer();
    return true;
}

void FileController::closeViewer()
{
    QMetaObject::invokeMethod(&m_w, &QWidget::close, Qt::QueuedConnection);
}

} // namespace quillon
