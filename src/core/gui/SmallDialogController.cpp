#include "SmallDialogController.h"

#include "HistoryController.h"
#include "LanguageController.h"
#include "TFormKigouSetting.h"
#include "TFormLineSetting.h"
#include "TFormLog.h"
#include "TFormMain.h"
#include "TMemoExDark.h"
#include "ViewController.h"

#include <QAction>

namespace quillon {

SmallDialogController::SmallDialogController(TFormMain &window)
    : m_w(window)
{
}

void SmallDialogController::registerCommands()
{
    // 1404 is enabled only while its column is shown; the view area keeps that.
    const bool lineNumbersShown = m_w.settings().showLineNumber && !m_w.settings().wrapWindowWidth;
    m_w.registerCommand(u"1404", [this] { openLineSetting(); });
    if (QAction *a = m_w.commandAction(u"1404"))
        a->setEnabled(lineNumbersShown);
    m_w.registerCommand(u"1562", [this] { openKigouSetting(); });
    m_w.registerCommand(u"1831", [this] { openLog(); }, TFormMain::WhileDump::StandsStill);
}

void SmallDialogController::open(QDialog *dialog, const QString &languageFile,
                                 void (SmallDialogController::*accepted)())
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_w.language().applyWindowLanguage(dialog, languageFile);
    connect(dialog, &QDialog::finished, m_w.signalContext(), [this, accepted](int result) {
        if (result == QDialog::Accepted && accepted)
            (this->*accepted)();
        m_w.textView()->setFocus();
    });
    dialog->open();
}

void SmallDialogController::openLineSetting()
{
    auto message = [this](const QString &japanese, const QString &english) { m_w.showMessage(japanese, english); };
    open(new TFormLineSetting(m_w.BoolJapanese, &m_w, message), QStringLiteral("LineSetting.txt"),
         &SmallDialogController::applyLineSetting);
}

void SmallDialogController::applyLineSetting()
{
    m_w.view().lineSettingChanged();
    if (m_w.StrLoadFileName.isEmpty())
        return;
    // Renumbered in the chosen style by loading the file again, where the user is.
    m_w.lineNumberView()->setBuffer(std::make_shared<const TextBuffer>());
    m_w.history().keepPositionForReload();
    m_w.LoadFile();
}

void SmallDialogController::openKigouSetting()
{
    auto message = [this](const QString &japanese, const QString &english) { m_w.showMessage(japanese, english); };
    open(new TFormKigouSetting(m_w.BoolJapanese, m_w.settings().sameAsHarbekan, &m_w, message),
         QStringLiteral("KigouSetting.txt"), &SmallDialogController::applyKigouSetting);
}

void SmallDialogController::applyKigouSetting()
{
    m_w.view().reloadMarkShifts();
}

void SmallDialogController::openLog()
{
    open(new TFormLog(m_w.BoolJapanese, m_w.StrListLog, &m_w), QStringLiteral("Log.txt"), nullptr);
}

} // namespace quillon
