#include "AppearanceController.h"

#include "AppearanceMessages.h"
#include "ColorText.h"
#include "HarbekanLook.h"
#include "TFormMain.h"
#include "TMemoExDark.h"
#include "Theme.h"
#include "ViewController.h"

#include <QAction>

namespace quillon {

namespace {

constexpr CommandCode themeCodes[Theme::Count] = {u"1852", u"1853", u"1854", u"1855"};
constexpr CommandCode ownColorCodes[] = {u"1501", u"1502", u"1503"};

QColor qcolor(TColor c)
{
    return QColor::fromRgb(colorToRgb(c));
}

} // namespace

AppearanceController::AppearanceController(TFormMain &window)
    : m_w(window)
{
}

void AppearanceController::registerCommands()
{
    m_w.registerCommand(u"1504", [this] { MenuSameAsHarbekanClick(); });
    if (QAction *a = m_w.commandAction(u"1504"))
        a->setChecked(m_w.settings().sameAsHarbekan);
    for (int n = 0; n < Theme::Count; ++n)
        m_w.registerCommand(themeCodes[n], [this, n] { chooseTheme(n); });
    // The theme the program runs in; the item of a later choice takes the
    // mark, the look stays until the next start.
    syncThemeMarks(m_w.settings().skinStyle);
}

void AppearanceController::syncThemeMarks(int number)
{
    for (int n = 0; n < Theme::Count; ++n) {
        if (QAction *a = m_w.commandAction(themeCodes[n]))
            a->setChecked(n == number);
    }
}

void AppearanceController::chooseTheme(int number)
{
    syncThemeMarks(number);
    Theme::store(m_w.ini(), number);
}

void AppearanceController::MenuSameAsHarbekanClick()
{
    MainSettings &s = m_w.settings();
    bool on = !s.sameAsHarbekan;
    if (on && !HarbekanLook::available()) {
        on = false;
        if (QAction *a = m_w.commandAction(u"1504"))
            a->setChecked(false);
        m_w.showMessage(AppearanceMessages::harbekIniMissing(HarbekanLook::iniPath()));
    }
    if (QAction *a = m_w.commandAction(u"1504"))
        a->setChecked(on);
    for (CommandCode code : ownColorCodes) {
        if (QAction *a = m_w.commandAction(code))
            a->setEnabled(!on);
    }
    s.sameAsHarbekan = on;
    s.save(m_w.ini(), MainKey::SameAsHarbekan);
    applyTextViewLook();
    m_w.view().reloadMarkShifts();
}

void AppearanceController::applyTextViewLook()
{
    const MainSettings &s = m_w.settings();
    TMemoExDark *text = m_w.textView();
    TMemoExDark *numbers = m_w.lineNumberView();
    // The view's own look first (font, colours, theme), then the filer's over it.
    m_w.view().applySettingsToViews();
    TColor marks = s.kigouColor;
    if (s.sameAsHarbekan) {
        const HarbekanLook look = HarbekanLook::read(HarbekanLook::iniPath());
        text->setFont(QFont(look.fontName, look.fontHeight));
        text->setTextColor(qcolor(look.colorText));
        text->setBackgroundColor(qcolor(look.colorBack));
        marks = look.colorRetMark;
    }
    text->EditMarks()->setColor(qcolor(marks));
    numbers->setFont(text->font());
    numbers->setTextColor(text->textColor());
    numbers->setBackgroundColor(text->backgroundColor());
    QPalette pal = m_w.mainPanel()->palette();
    pal.setColor(QPalette::Window, text->paintedBackColor());
    m_w.mainPanel()->setPalette(pal);
    m_w.view().lineSettingChanged();
}

} // namespace quillon
