// The look of the windows: the filer's look from "Harbek.ini" in the main
// window and the grid, and the themes from the menu to the next start. Colours
// are checked where the user sees them: in the pixels the views paint.
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "AppPaths.h"
#include "AppearanceMessages.h"
#include "FontLogFilter.h"
#include "GridContext.h"
#include "GridModel.h"
#include "HarbekanLook.h"
#include "IniFile.h"
#include "MessageService.h"
#include "TFormFindAll.h"
#include "TFormMain.h"
#include "TFormViewGrid.h"
#include "TMLStringGrid.h"
#include "TMemoExDark.h"
#include "ThemeStyle.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

void writeHarbek(const QStringList &lines)
{
    IniFile ini(HarbekanLook::iniPath());
    ini.createIfMissing();
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        ini.writeString(QStringLiteral("Harbekan"), line.left(eq), line.mid(eq + 1));
    }
}

void setting(const char *section, const char *key, const QString &value)
{
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();
    ini.writeString(QString::fromLatin1(section), QString::fromLatin1(key), value);
}

std::unique_ptr<TFormMain> openWindow(const QStringList &args = {})
{
    auto w = std::make_unique<TFormMain>(args);
    w->resize(800, 400);
    w->show();
    return test::settled(*w) ? std::move(w) : nullptr;
}

// The colour the view paints where no text stands: its bottom right corner.
QColor paintedBack(TMemoExDark *view)
{
    const QImage image = view->viewport()->grab().toImage();
    return image.pixelColor(image.width() - 3, image.height() - 3);
}

bool checked(const TFormMain &w, CommandCode code)
{
    return w.commandAction(code)->isChecked();
}

QString settingText(const char *section, const char *key)
{
    return IniFile(AppPaths::settingsPath()).readString(QString::fromLatin1(section), QString::fromLatin1(key));
}

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { FontLogFilter::install(); }
    void filersLookAtStart();
    void withoutHarbekIniTheToggleIsOffSilently();
    void toggleRefusesWithoutHarbekIni();
    void toggleTakesAndGivesBackTheLook();
    void themeChoiceShowsAtTheNextStart_data();
    void themeChoiceShowsAtTheNextStart();
    void darkBackgroundFromTheSettings();
    void findAllViewsFollowTheTheme();
    void gridTakesTheFilersLook();
    void gridToggleRefusesWithoutHarbekIni();
    void gridInADarkThemeShowsTheThemeBehindTheCells();
    void gridLinesAreTwoPixelsAndTextStillShows();
    // Last: it changes the style of the whole test program.
    void themeStyleAppliedToTheApplication();
};

void AppearanceTest::filersLookAtStart()
{
    test::TempHome home;
    MessageRecorder messages;
    writeHarbek({QStringLiteral("HarbekanColorBack=0000FF")});
    const QString file = home.write(QStringLiteral("a.txt"), "one\r\ntwo\r\n");
    auto w = openWindow({file});
    QVERIFY(w);
    TMemoExDark *text = w->textView();
    // Red background, white ＭＳ ゴシック 14-point text, grey marks.
    QCOMPARE(text->backgroundColor(), QColor(0xFF, 0, 0));
    QCOMPARE(paintedBack(text), QColor(0xFF, 0, 0));
    QCOMPARE(text->textColor(), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(text->font().family(), J(u"ＭＳ ゴシック"));
    QCOMPARE(text->font().pointSize(), 14);
    QCOMPARE(text->EditMarks()->CrlfMark()->color(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(text->EditMarks()->TabMark()->color(), QColor(0x80, 0x80, 0x80));
    QCOMPARE(w->lineNumberView()->backgroundColor(), QColor(0xFF, 0, 0));
    QCOMPARE(w->lineNumberView()->textColor(), QColor(0xFF, 0xFF, 0xFF));
    QVERIFY(checked(*w, u"1504"));
    for (CommandCode code : {CommandCode(u"1501"), CommandCode(u"1502"), CommandCode(u"1503")})
        QVERIFY(!w->commandAction(code)->isEnabled());
    QVERIFY(messages.texts.isEmpty());
}

void AppearanceTest::withoutHarbekIniTheToggleIsOffSilently()
{
    test::TempHome home;
    MessageRecorder messages;
    setting("Editor", "SameAsHarbekan", QStringLiteral("1"));
    setting("Editor", "BackColorReadOnly", QStringLiteral("clYellow"));
    auto w = openWindow();
    QVERIFY(w);
    QVERIFY(!checked(*w, u"1504"));
    QCOMPARE(paintedBack(w->textView()), QColor(0xFF, 0xFF, 0));
    QVERIFY(w->commandAction(u"1502")->isEnabled());
    QVERIFY(messages.texts.isEmpty());
}

void AppearanceTest::toggleRefusesWithoutHarbekIni()
{
    test::TempHome home;
    MessageRecorder messages;
    setting("Editor", "SameAsHarbekan", QStringLiteral("0"));
    auto w = openWindow();
    QVERIFY(w);
    w->runCommand(u"1504");
    QCOMPARE(messages.texts, QStringList{AppearanceMessages::harbekIniMissing(HarbekanLook::iniPath()).japanese});
    QVERIFY(messages.texts.first().endsWith(QDir::toNativeSeparators(home.file(QStringLiteral("Harbek.ini")))));
    QVERIFY(!checked(*w, u"1504"));
    QVERIFY(w->commandAction(u"1501")->isEnabled());
    QCOMPARE(settingText("Editor", "SameAsHarbekan"), QStringLiteral("0"));
}

void AppearanceTest::toggleTakesAndGivesBackTheLook()
{
    test::TempHome home;
    MessageRecorder messages;
    setting("Editor", "SameAsHarbekan", QStringLiteral("0"));
    setting("Editor", "KigouColor", QStringLiteral("clLime"));
    writeHarbek({QStringLiteral("HarbekanFontHeight=18"), QStringLiteral("HarbekanColorRetMark=00FFFF")});
    auto w = openWindow();
    QVERIFY(w);
    TMemoExDark *text = w->textView();
    QCOMPARE(paintedBack(text), QColor(0xFF, 0xFF, 0xFF));

    w->runCommand(u"1504");
    QVERIFY(checked(*w, u"1504"));
    QCOMPARE(settingText("Editor", "SameAsHarbekan"), QStringLiteral("1"));
    QCOMPARE(paintedBack(text), QColor(0, 0, 0x40)); // the default "400000", dark blue
    QCOMPARE(paintedBack(w->lineNumberView()), QColor(0, 0, 0x40));
    QCOMPARE(text->font().pointSize(), 18);
    QCOMPARE(text->EditMarks()->EofMark()->color(), QColor(0xFF, 0xFF, 0));
    QVERIFY(!w->commandAction(u"1502")->isEnabled());

    w->runCommand(u"1504");
    QVERIFY(!checked(*w, u"1504"));
    QCOMPARE(settingText("Editor", "SameAsHarbekan"), QStringLiteral("0"));
    QCOMPARE(paintedBack(text), QColor(0xFF, 0xFF, 0xFF));
    QCOMPARE(text->font().pointSize(), 14);
    QCOMPARE(text->EditMarks()->EofMark()->color(), QColor(0, 0xFF, 0));
    QVERIFY(w->commandAction(u"1502")->isEnabled());
    QVERIFY(messages.texts.isEmpty());
}

void AppearanceTest::themeChoiceShowsAtTheNextStart_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QColor>("background");
    QTest::newRow("Windows") << 0 << QStringLiteral("Windows") << QColor(0xFF, 0xFF, 0xFF);
    QTest::newRow("Carbon") << 1 << QStringLiteral("Carbon") << QColor(0x19, 0x19, 0x19);
    QTest::newRow("Charcoal Dark Slate") << 2 << QStringLiteral("Charcoal Dark Slate") << QColor(0x23, 0x23, 0x23);
    QTest::newRow("Windows10 Dark") << 3 << QStringLiteral("Windows10 Dark") << QColor(0, 0, 0);
}

void AppearanceTest::themeChoiceShowsAtTheNextStart()
{
    QFETCH(int, index);
    QFETCH(QString, stored);
    QFETCH(QColor, background);
    static constexpr CommandCode codes[] = {u"1852", u"1853", u"1854", u"1855"};
    test::TempHome home;
    MessageRecorder messages;
    setting("SkinStyle", "Text", index == 0 ? QStringLiteral("Carbon") : QStringLiteral("Windows"));
    const int running = index == 0 ? 1 : 0;
    {
        auto w = openWindow();
        QVERIFY(w);
        QVERIFY(checked(*w, codes[running]));
        const QColor before = paintedBack(w->textView());
        w->runCommand(codes[index]);
        for (int n = 0; n < 4; ++n)
            QCOMPARE(checked(*w, codes[n]), n == index);
        QCOMPARE(settingText("SkinStyle", "Text"), stored);
        // The running window keeps its look.
        QCOMPARE(paintedBack(w->textView()), before);
        QCOMPARE(w->textView()->darkMode(), running != 0);
    }
    auto next = openWindow();
    QVERIFY(next);
    QVERIFY(checked(*next, codes[index]));
    for (TMemoExDark *view : {next->textView(), next->lineNumberView()}) {
        QCOMPARE(view->darkMode(), index != 0);
        QCOMPARE(view->paintedBackColor(), background);
    }
    QCOMPARE(paintedBack(next->textView()), background);
    if (index != 0) // light text on the dark background
        QVERIFY(next->textView()->paintedTextColor().lightness() >= 128);
    QVERIFY(messages.texts.isEmpty());
}

void AppearanceTest::darkBackgroundFromTheSettings()
{
    test::TempHome home;
    setting("SkinStyle", "Text", QStringLiteral("Windows10 Dark"));
    setting("FTextView", "ColorDark", QStringLiteral("$202020"));
    auto w = openWindow();
    QVERIFY(w);
    QCOMPARE(paintedBack(w->textView()), QColor(0x20, 0x20, 0x20));
    // Read and written back in the settings' colour form.
    QCOMPARE(settingText("FTextView", "ColorDark"), QStringLiteral("$00202020"));
    QCOMPARE(settingText("FTextView", "ColorCarbon"), QStringLiteral("$00191919"));
}

void AppearanceTest::findAllViewsFollowTheTheme()
{
    test::TempHome home;
    MessageRecorder messages;
    setting("SkinStyle", "Text", QStringLiteral("Charcoal Dark Slate"));
    setting("Options", "SearchWord", QStringLiteral("two"));
    const QString file = home.write(QStringLiteral("a.txt"), "one\r\ntwo\r\n");
    auto w = openWindow({file});
    QVERIFY(w);
    w->runCommand(u"1105"); // find all
    TFormFindAll *all = nullptr;
    QTRY_VERIFY((all = w->findChild<TFormFindAll *>()) && all->isVisible());
    for (TMemoExDark *view : {all->list(), all->numberColumn()}) {
        QVERIFY(view->darkMode());
        QCOMPARE(paintedBack(view), QColor(0x23, 0x23, 0x23));
    }
    all->close();
}

void AppearanceTest::gridTakesTheFilersLook()
{
    test::TempHome home;
    MessageRecorder messages;
    writeHarbek({QStringLiteral("HarbekanFontHeight=20"), QStringLiteral("HarbekanColorBack=0000FF")});
    const QString csv = home.write(QStringLiteral("a.csv"), "a,b\r\nc,d\r\n");
    GridContext c;
    c.fileName = csv;
    TFormViewGrid grid(c);
    grid.show();
    QTRY_VERIFY(!grid.isLoading() && !grid.windowTitle().isEmpty());
    QVERIFY(!grid.action(1432)->isChecked());
    const int ownHeight = grid.grid()->textHeight();

    grid.runCommand(1432);
    QVERIFY(grid.action(1432)->isChecked());
    // 20 × 22 / 14, rounded down: both header rows and the data rows.
    QCOMPARE(grid.IntTextHeight, 31);
    QCOMPARE(grid.grid()->textHeight(), 31);
    QCOMPARE(grid.grid()->horizontalHeader()->height(), 62);
    QCOMPARE(grid.grid()->verticalHeader()->defaultSectionSize(), 31);
    QCOMPARE(grid.grid()->font().pointSize(), 20);
    QCOMPARE(grid.grid()->BackColor(), QColor(0xFF, 0, 0));
    for (int tag : {1411, 1412, 1431})
        QVERIFY(!grid.action(tag)->isEnabled());

    grid.runCommand(1432);
    QVERIFY(!grid.action(1432)->isChecked());
    QCOMPARE(grid.grid()->textHeight(), ownHeight);
    QCOMPARE(grid.grid()->BackColor(), QColor(0xFF, 0xFF, 0xFF));
    QVERIFY(grid.action(1412)->isEnabled());
    QVERIFY(messages.texts.isEmpty());
    grid.close();
}

void AppearanceTest::gridToggleRefusesWithoutHarbekIni()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString csv = home.write(QStringLiteral("a.csv"), "a,b\r\n");
    GridContext c;
    c.fileName = csv;
    TFormViewGrid grid(c);
    grid.show();
    QTRY_VERIFY(!grid.isLoading() && !grid.windowTitle().isEmpty());
    grid.runCommand(1432);
    QVERIFY(!grid.action(1432)->isChecked());
    QCOMPARE(messages.texts, QStringList{AppearanceMessages::harbekIniMissing(HarbekanLook::iniPath()).japanese});
    grid.close();
}

void AppearanceTest::gridInADarkThemeShowsTheThemeBehindTheCells()
{
    test::TempHome home;
    MessageRecorder messages;
    const QPalette before = QApplication::palette();
    QApplication::setPalette(ThemeStyle::palette(1));
    const QString csv = home.write(QStringLiteral("a.csv"), "a,b\r\nc,d\r\n");
    GridContext c;
    c.fileName = csv;
    c.skinStyle = 1;
    c.darkBackColor = QColor(0x19, 0x19, 0x19);
    {
        TFormViewGrid grid(c);
        grid.show();
        QTRY_VERIFY(!grid.isLoading() && !grid.windowTitle().isEmpty());
        TMLStringGrid *g = grid.grid();
        const QRect cell = g->visualRect(grid.model()->index(1, 1));
        const QImage image = g->viewport()->grab().toImage();
        // The cell's empty right part, and below the last row.
        QCOMPARE(image.pixelColor(cell.right() - 4, cell.center().y()), ThemeStyle::palette(1).color(QPalette::Base));
        QCOMPARE(image.pixelColor(image.width() - 3, image.height() - 3), ThemeStyle::palette(1).color(QPalette::Base));
        QVERIFY(g->palette().color(QPalette::Text).lightness() > 180);
        grid.close();
    }
    QApplication::setPalette(before);
}

void AppearanceTest::gridLinesAreTwoPixelsAndTextStillShows()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString csv = home.write(QStringLiteral("a.csv"), "WWW,b\r\nc,d\r\n");
    GridContext c;
    c.fileName = csv;
    TFormViewGrid grid(c);
    grid.show();
    QTRY_VERIFY(!grid.isLoading() && !grid.windowTitle().isEmpty());
    TMLStringGrid *g = grid.grid();
    const QRect cell = g->visualRect(grid.model()->index(0, 0));
    const QImage image = g->viewport()->grab().toImage();
    const QColor line = image.pixelColor(cell.right() + 1, cell.center().y()); // the table's own line
    QCOMPARE(image.pixelColor(cell.right(), cell.center().y()), line);
    QCOMPARE(image.pixelColor(cell.center().x(), cell.bottom()), line);
    QVERIFY(image.pixelColor(cell.right() - 1, cell.center().y()) != line);
    // The row is barely higher than the font: its text is drawn all the same.
    const QColor back = image.pixelColor(cell.right() - 2, cell.top() + 1);
    int inked = 0;
    for (int x = cell.left(); x < cell.right() - 1; ++x) {
        for (int y = cell.top(); y < cell.bottom(); ++y)
            inked += image.pixelColor(x, y) != back ? 1 : 0;
    }
    QVERIFY2(inked > 10, qPrintable(QString::number(inked)));
    grid.close();
}

void AppearanceTest::themeStyleAppliedToTheApplication()
{
    test::TempHome home;
    const QString before = QApplication::style()->name();
    setting("SkinStyle", "Text", QStringLiteral("Windows"));
    QCOMPARE(ThemeStyle::applyStored(), 0);
    QCOMPARE(QApplication::style()->name(), before);
    setting("SkinStyle", "Text", QStringLiteral("Carbon"));
    QCOMPARE(ThemeStyle::applyStored(), 1);
    QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
    QVERIFY(QApplication::palette().color(QPalette::Window).lightness() < 80);
    QVERIFY(QApplication::palette().color(QPalette::Text).lightness() > 180);
}

QTEST_MAIN(AppearanceTest)
#include "Appearance_test.moc"
