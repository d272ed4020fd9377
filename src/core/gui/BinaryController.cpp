#include "BinaryController.h"

#include "BinaryMessages.h"
#include "ColorText.h"
#include "HexDumpView.h"
#include "HexFileReader.h"
#include "HexRowSource.h"
#include "MainMenuBuilder.h"
#include "MainSettings.h"
#include "MessageService.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>

namespace quillon {

namespace {

using Cmd = HexDumpSession::PageCommand;
using Mode = HexDumpSession::Mode;

// The menus the dump disables; "共通" stays and "バイナリ" takes their place.
constexpr TopMenu textMenus[] = {TopMenu::File, TopMenu::Search, TopMenu::Code, TopMenu::View,
                                 TopMenu::Text, TopMenu::Expand, TopMenu::Help};
// The entries of the text view the dump disables.
constexpr CommandCode textEntries[] = {u"1201", u"1202", u"1203", u"1211", u"1212", u"1221", u"1241", u"1242"};
constexpr CommandCode binaryEntries[] = {u"1601", u"1602", u"1611", u"1612", u"1621", u"1622", u"1623", u"1624"};
constexpr CommandCode pageEntries[] = {u"1621", u"1622", u"1623", u"1624"};

QColor qcolor(TColor c)
{
    return QColor::fromRgb(colorToRgb(c));
}

} // namespace

BinaryController::BinaryController(TFormMain &window, MainMenuBuilder &menus, HexDumpView &view)
    : m_w(window)
    , m_menus(menus)
    , m_view(view)
{
    m_view.hide();
    connect(m_view.dump(), &TMemoExDark::copyRefused, this,
            [this] { m_w.showMessage(BinaryMessages::selectionTooLarge()); });
}

TMemoExDark *BinaryController::dump() const
{
    return m_view.dump();
}

void BinaryController::registerCommands()
{
    m_w.registerCommand(u"1721", [this] { toggleView(); });
    m_w.registerCommand(u"1601", [this] { chooseFont(); });
    m_w.registerCommand(u"1602", [this] { chooseBackColor(); });
    m_w.registerCommand(u"1611", [this] { setWholeFile(); });
    m_w.registerCommand(u"1612", [this] { setPages(); });
    m_w.registerCommand(u"1621", [this] { goToPage(Cmd::First); });
    m_w.registerCommand(u"1622", [this] { goToPage(Cmd::Previous); });
    m_w.registerCommand(u"1623", [this] { goToPage(Cmd::Next); });
    m_w.registerCommand(u"1624", [this] { goToPage(Cmd::Last); });
    // The dump's menu works only while the dump is shown.
    for (CommandCode code : binaryEntries)
        m_w.commandAction(code)->setEnabled(false);
    m_menus.topMenu(TopMenu::Binary)->menuAction()->setEnabled(false);
    syncModeItems();
}

void BinaryController::applySettings(const MainSettings &settings)
{
    m_view.setDumpFont(QFont(settings.binaryFont.name, settings.binaryFont.pointSize()));
    m_view.setColors(qcolor(settings.binaryFont.color), qcolor(settings.binaryColor));
    m_session.setModeFromSettings(settings.binaryLoadAll, settings.binaryLoadRange);
    syncModeItems();
}

void BinaryController::storeSettings(MainSettings &settings) const
{
    settings.binaryLoadAll = m_session.mode() == Mode::WholeFile;
    settings.binaryLoadRange = !settings.binaryLoadAll;
}

void BinaryController::loadStarted()
{
    if (m_session.shown())
        showText();
    m_session.setBusy(true);
    m_session.reset();
    m_view.setRows(nullptr);
    m_reader.reset();
}

void BinaryController::loadFinished()
{
    m_session.setBusy(false);
}

bool BinaryController::refuseWhileBusy()
{
    if (!m_session.busy())
        return false;
    m_w.showMessage(BinaryMessages::busy());
    return true;
}

void BinaryController::toggleView()
{
    if (m_w.StrLoadFileName.isEmpty()) {
        m_w.showMessage(BinaryMessages::noFileLoaded());
        return;
    }
    if (!QFileInfo::exists(m_w.StrLoadFileName)) {
        m_w.showMessage(BinaryMessages::fileGone());
        return;
    }
    if (refuseWhileBusy())
        return;
    m_menus.setMenuBarState(MenuBarState::Normal);
    if (m_session.shown())
        showText();
    else
        showDump();
}

void BinaryController::showText()
{
    m_view.hide();
    m_w.textView()->show();
    m_session.setShown(false);
    m_w.showLineNumberView();
    QComboBox *box = m_w.searchCombo();
    if (box->parentWidget()->isVisibleTo(&m_w))
        box->setEnabled(true);
    enableMenusForDump(false);
    m_session.setBusy(false);
    m_w.textView()->setFocus();
}

void BinaryController::showDump()
{
    const qint64 size = QFileInfo(m_w.StrLoadFileName).size();
    if (m_session.asksBeforeShowing(size)
        && m_w.showMessage(BinaryMessages::sizeQuestion(HexDumpSession::SizeQuestionLimit), MessageButtons::YesNo)
               != MessageAnswer::Yes)
        return;
    m_w.lineNumberView()->hide();
    QComboBox *box = m_w.searchCombo();
    if (box->parentWidget()->isVisibleTo(&m_w)) {
        box->setCurrentText(QString());
        box->setEnabled(false);
    }
    m_w.textView()->hide();
    m_view.show();
    m_session.setShown(true);
    enableMenusForDump(true);
    if (!m_session.built())
        build();
    m_view.dump()->setFocus();
}

void BinaryController::enableMenusForDump(bool dump)
{
    for (TopMenu menu : textMenus)
        m_menus.topMenu(menu)->menuAction()->setEnabled(!dump);
    m_menus.topMenu(TopMenu::Binary)->menuAction()->setEnabled(dump);
    for (CommandCode code : textEntries) {
        if (QAction *a = m_w.commandAction(code))
            a->setEnabled(!dump && m_w.isRegistered(code));
    }
    for (CommandCode code : binaryEntries)
        m_w.commandAction(code)->setEnabled(dump);
    if (dump)
        enablePageItems();
}

void BinaryController::enablePageItems()
{
    const bool pages = m_session.shown() && m_session.mode() == Mode::Pages;
    for (CommandCode code : pageEntries)
        m_w.commandAction(code)->setEnabled(pages);
}

void BinaryController::syncModeItems()
{
    m_w.commandAction(u"1611")->setChecked(m_session.mode() == Mode::WholeFile);
    m_w.commandAction(u"1612")->setChecked(m_session.mode() == Mode::Pages);
}

bool BinaryController::build()
{
    const QFileInfo info(m_w.StrLoadFileName);
    if (!info.isFile()) {
        m_w.showMessage(BinaryMessages::fileNotFound());
        return false;
    }
    m_session.setBusy(true);
    // Rows are read from the file when they are painted; nothing here waits
    // on the file's size.
    m_reader = std::make_shared<HexFileReader>(info.absoluteFilePath());
    const HexRange range = m_session.build(m_reader->size());
    m_view.setRows(std::make_shared<HexRowSource>(m_reader, range));
    m_session.setBusy(false);
    return true;
}

void BinaryController::chooseFont()
{
    QFont font;
    QColor color;
    TMemoExDark *dump = m_view.dump();
    if (!MessageService::dialogs().chooseFont(&m_w, dump->font(), dump->textColor(), &font, &color))
        return;
    m_view.setDumpFont(font);
    m_view.setColors(color, dump->backgroundColor());
    MainSettings &settings = m_w.settingsToChange();
    settings.binaryFont.name = font.family();
    if (font.pointSize() > 0)
        settings.binaryFont.size = QString::number(font.pointSize());
    settings.binaryFont.color = rgbToColor(color.rgb());
}

void BinaryController::chooseBackColor()
{
    QColor color;
    TMemoExDark *dump = m_view.dump();
    if (!MessageService::dialogs().chooseColor(&m_w, dump->backgroundColor(), &color))
        return;
    m_view.setColors(dump->textColor(), color);
    m_w.settingsToChange().binaryColor = rgbToColor(color.rgb());
}

void BinaryController::setWholeFile()
{
    if (refuseWhileBusy()) {
        syncModeItems();
        return;
    }
    const qint64 size = QFileInfo(m_w.StrLoadFileName).size();
    if (HexDumpSession::asksForWholeFile(size)) {
        const bool yes = m_w.showMessage(BinaryMessages::sizeQuestion(HexDumpSession::SizeQuestionLimit),
                                         MessageButtons::YesNo)
                         == MessageAnswer::Yes;
        if (!yes || m_session.mode() == Mode::WholeFile) {
            syncModeItems();
            return;
        }
    }
    m_session.setMode(Mode::WholeFile);
    syncModeItems();
    enablePageItems();
    build();
}

void BinaryController::setPages()
{
    if (refuseWhileBusy()) {
        syncModeItems();
        return;
    }
    if (m_session.mode() == Mode::Pages)
        return;
    m_session.setMode(Mode::Pages);
    syncModeItems();
    enablePageItems();
    m_session.setPageIndex(0);
    build();
}

void BinaryController::goToPage(Cmd command)
{
    const auto page = m_session.pageFor(command);
    if (!page)
        return;
    m_session.setPageIndex(*page);
    build();
}

} // namespace quillon
