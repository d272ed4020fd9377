#pragma once
// The hex dump area of the main window: switching between the text and the
// dump (1721), the dump's font and colours (1601, 1602), its two modes (1611,
// 1612) and the page commands (1621-1624), the menus the switch enables and
// disables, and the dump's part of every file load.
#include "HexDumpSession.h"

#include <QObject>
#include <memory>

namespace quillon {

class HexDumpView;
class HexFileReader;
class MainMenuBuilder;
class MainSettings;
class TFormMain;
class TMemoExDark;

class BinaryController : public QObject {
public:
    BinaryController(TFormMain &window, MainMenuBuilder &menus, HexDumpView &view);

    void registerCommands();
    // At start: font, colours and mode from the settings.
    void applySettings(const MainSettings &settings);
    // Before the settings are written at exit: the mode keys.
    void storeSettings(MainSettings &settings) const;

    // A file load starts (busy; the dump is dropped and, if shown, the text
    // comes back) and ends.
    void loadStarted();
    void loadFinished();

    [[nodiscard]] bool shown() const { return m_session.shown(); }
    [[nodiscard]] const HexDumpSession &session() const { return m_session; }
    [[nodiscard]] TMemoExDark *dump() const;

private:
    void toggleView();
    void showText();
    void showDump();
    void chooseFont();
    void chooseBackColor();
    void setWholeFile();
    void setPages();
    void goToPage(HexDumpSession::PageCommand command);
    // Builds the dump for the mode and page; false when the file is gone.
    bool build();
    void enableMenusForDump(bool dump);
    void syncModeItems();
    void enablePageItems();
    [[nodiscard]] bool refuseWhileBusy();

    TFormMain &m_w;
    MainMenuBuilder &m_menus;
    HexDumpView &m_view;
    HexDumpSession m_session;
    std::shared_ptr<HexFileReader> m_reader;
};

} // namespace quillon
