#pragma once
// The view area of the main window: marks, tab width, wrapping, line numbers
// and line-number selection, the status-bar items, fonts and colours, and the
// events of the text view, the line-number view and the window that drive them.
#include "CommandCode.h"
#include "IniFile.h"
#include "MainSettings.h"

#include <QObject>
#include <QSize>
#include <QStringList>

class QEvent;

namespace quillon {

class TFormMain;
class TMemoExDark;

class ViewController : public QObject {
public:
    explicit ViewController(TFormMain &window);

    void registerCommands();
    // Fonts, colours, the theme's margins, the marks' shifts and the tab stops
    // as the settings read at start say.
    void applySettingsToViews();
    void syncCheckMarks();
    // A new text is shown: selection mode ends, the numbers follow it.
    void afterTextLoaded();
    // More lines of a file still loading are shown: the numbers follow them.
    void textGrew();
    // Ends line-number selection mode; panel 3 shows the read-only text again.
    void leaveLineNumberSelection();
    // Handles a click in the line-number view as its mouse release does.
    void lineNumberClicked(Qt::KeyboardModifiers modifiers);
    // Holds the window at its size while wrapping has too many lines.
    void updateResizeLock();
    [[nodiscard]] bool resizeLocked() const { return m_resizeLocked; }
    [[nodiscard]] int tabStops() const { return TabStops; }
    // The theme: 0 the platform's look, 1-3 dark ones; the margins' dark colour.
    [[nodiscard]] int skinStyle() const { return IntSkinStyle; }
    [[nodiscard]] TColor darkBackColor() const
    {
        return IntSkinStyle == 1 ? FTextColorCarbon : IntSkinStyle == 2 ? FTextColorCharcoal : FTextColorDark;
    }
    // Shows or hides the line numbers as the settings say.
    void showLineNumberView();
    // The line-number dialog wrote "LineWidth" and "LineZero": the column
    // takes the width (the numbers follow at the next load).
    void lineSettingChanged();
    // The mark positions from [Harbekan] or [Editor] as "SameAsHarbekan"
    // says, read again and given to the text view.
    void reloadMarkShifts();

    // Line-number selection mode: copy and append-copy take these lines.
    bool BoolLineNumberSelect = false;
    QStringList StrListSelectNumber;
    bool BoolLineNumberDoubleClick = false; // the 100 ms after a double click in the numbers

private:
    bool viewEvent(QObject *watched, QEvent *event);
    void numberLines();
    void fitLineNumberWidth();
    void syncLineNumbers();
    void setWrap(bool wrapAtWidth);
    void toggleMark(int index);
    void setTabWidthItem(int index);
    void toggleStatusBarItem(int index);
    void chooseTextFont();
    void chooseTextBackColor();
    void chooseMarkColor();
    void enterLineNumberSelection();
    void textViewClicked();
    void textViewDoubleClicked();
    void selectionToSearchBar();
    void statusBarClicked();
    void setItemEnabled(CommandCode code, bool on);
    void setItemChecked(CommandCode code, bool on);

    TFormMain &m_w;
    MainSettings &m_settings;
    IniFile &m_ini;
    TMemoExDark *const Memo1;
    TMemoExDark *const MemoLineNumber;
    int IntTopLineMemo = 0;                   // top line last copied to the line-number view
    int IntLineNumberAnchor = 0;              // line of the last click without Shift
    int IntSelectStart = 0, IntSelectEnd = 0; // the highlight made in the text view
    int IntLastMousePos = 0;                  // caret at the last press or release in the text view
    int IntSfiftRet = 15, IntShiftEof = 12, IntShiftTab = 8, IntShiftDbcs = 13;
    int TabStops = 16;
    int IntSkinStyle = 0;
    TColor FTextColorCarbon = 0x191919, FTextColorCharcoal = 0x232323, FTextColorDark = 0;
    bool m_pressedInText = false;
    bool m_resizeLocked = false;
    QSize m_lockedSize;
    int m_statusPressX = 0;
};

} // namespace quillon
