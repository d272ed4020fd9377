// The main window in two languages: its tags against Main.txt, the language
// file at show time, and the switch from the menu and back.
#include "support/Mnemonics.h"
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "MessageService.h"
#include "StatusPanels.h"
#include "TFormMain.h"
#include "LanguageController.h"
#include "LanguageFile.h"
#include "LanguageSetter.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

QString shippedFile(const QString &name)
{
    return QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../data/Language/Quillon/") + name);
}

// Puts the shipped Main.txt where the program looks for it.
void installMainTxt()
{
    QDir().mkpath(AppPaths::programLanguageDir());
    QFile::copy(shippedFile(QStringLiteral("Main.txt")), LanguageFile::path(QStringLiteral("Main.txt")));
}

QAction *byName(const TFormMain &w, const char *name)
{
    return w.findChild<QAction *>(QLatin1String(name));
}

QString menuTitle(const TFormMain &w, const char *name)
{
    const QMenu *menu = w.findChild<QMenu *>(QLatin1String(name));
    return menu ? menu->title() : QString();
}

// The accelerator of a caption: the character after a single "&".
QString taggedText(TFormMain &w, int tag)
{
    for (QObject *o : LanguageSetter::taggedObjects(&w)) {
        if (LanguageSetter::tagOf(o) != tag)
            continue;
        if (auto *label = qobject_cast<QLabel *>(o))
            return label->text();
        if (auto *button = qobject_cast<QPushButton *>(o))
            return button->text();
    }
    return QString();
}

} // namespace

class TFormMainLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void everyTagHasALineInMainTxt();
    void switchesToEnglishAndBack();
    void accessKeysDoNotClash_data();
    void accessKeysDoNotClash();
    void startsInEnglishWhenTheSettingsSaySo();
    void missingOrBrokenMainTxtKeepsTheBuiltInTexts();
};

void TFormMainLanguageTest::everyTagHasALineInMainTxt()
{
    test::TempHome home;
    MessageRecorder messages;
    TFormMain w({});
    const QList<QObject *> tagged = LanguageSetter::taggedObjects(&w);
    // 11 top menus, 118 commands, the theme note, 4 popup items, 6 search-bar
    // items, the dummy item, two buttons and the label.
    QCOMPARE(tagged.size(), 11 + 118 + 1 + 4 + 6 + 1 + 3);
    QSet<int> tags;
    for (QObject *o : tagged)
        QVERIFY2(!tags.contains(LanguageSetter::tagOf(o)) && (tags.insert(LanguageSetter::tagOf(o)), true),
                 qPrintable(QString::number(LanguageSetter::tagOf(o))));
    const QStringList missing = LanguageSetter::uncoveredTags(&w, shippedFile(QStringLiteral("Main.txt")));
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void TFormMainLanguageTest::switchesToEnglishAndBack()
{
    test::TempHome home;
    installMainTxt();
    MessageRecorder messages;
    // UTF-8 with mark and no line end: panels 4 and 5 differ between the languages.
    const QString file = home.write(QStringLiteral("u8.txt"), QByteArray("\xEF\xBB\xBF" "abc"));
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    QVERIFY(messages.texts.isEmpty());
    QCOMPARE(w.commandAction(u"1001")->text(), J(u"開く(&O)... "));
    QCOMPARE(w.upperStatus()->panelText(4), J(u"UTF8  [BOM有]"));
    QCOMPARE(w.upperStatus()->panelText(5), J(u"無し"));
    QVERIFY(w.commandAction(u"1951")->isChecked());
    // Qt's own dialogs and buttons speak the interface language too.
    const auto stockCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    QCOMPARE(stockCancel(), J(u"キャンセル"));

    w.commandAction(u"1952")->trigger();
    QCOMPARE(stockCancel(), QStringLiteral("Cancel"));
    QVERIFY(!w.BoolJapanese);
    QVERIFY(w.commandAction(u"1952")->isChecked());
    QVERIFY(!w.commandAction(u"1951")->isChecked());
    QVERIFY(!IniFile(AppPaths::settingsPath()).readBool(QStringLiteral("Language"), QStringLiteral("Japanese"), true));
    QCOMPARE(w.commandAction(u"1001")->text(), QStringLiteral("&Open..."));
    QCOMPARE(w.commandAction(u"1101")->text(), QStringLiteral("&Find..."));
    QCOMPARE(menuTitle(w, "MenuFile"), QStringLiteral("&File"));
    QCOMPARE(menuTitle(w, "MenuSearch4"), QStringLiteral("&Search"));
    QCOMPARE(byName(w, "PopupCopy")->text(), QStringLiteral("&Copy"));
    QCOMPARE(byName(w, "MenuThemeNote")->text(), QStringLiteral("A theme change takes effect after a restart"));
    QCOMPARE(taggedText(w, 2001), QStringLiteral("Search(&,)"));
    QCOMPARE(taggedText(w, 2201), QStringLiteral("Next(&V)"));
    for (StatusPanels *bar : {w.upperStatus(), w.lowerStatus()}) {
        QCOMPARE(bar->panelText(1), QStringLiteral("Row:1 Col:1"));
        QCOMPARE(bar->panelText(2), QStringLiteral("Row:1"));
        QCOMPARE(bar->panelText(4), QStringLiteral("UTF8  [WithBOM]"));
        QCOMPARE(bar->panelText(5), QStringLiteral("None"));
    }
    QCOMPARE(w.StrLoadChar, QStringLiteral("UTF8  [WithBOM]"));
    QCOMPARE(w.language().StrLauncherMenu[0], QStringLiteral("Execute Launcher Program1(&U) "));
    QCOMPARE(w.font().family(), QStringLiteral("Courier New"));
    QCOMPARE(w.font().pointSize(), 12);
    QVERIFY(messages.texts.isEmpty());

    w.commandAction(u"1951")->trigger();
    QVERIFY(w.BoolJapanese);
    QVERIFY(w.commandAction(u"1951")->isChecked());
    QVERIFY(IniFile(AppPaths::settingsPath()).readBool(QStringLiteral("Language"), QStringLiteral("Japanese"), false));
    QCOMPARE(w.commandAction(u"1001")->text(), J(u"開く(&O)... "));
    QCOMPARE(menuTitle(w, "MenuFile"), J(u"ファイル(&F)"));
    QCOMPARE(taggedText(w, 2201), J(u"次検索(&V)"));
    for (StatusPanels *bar : {w.upperStatus(), w.lowerStatus()}) {
        QCOMPARE(bar->panelText(1), J(u"1行,1桁"));
        QCOMPARE(bar->panelText(2), J(u"1行"));
        QCOMPARE(bar->panelText(4), J(u"UTF8  [BOM有]"));
        QCOMPARE(bar->panelText(5), J(u"無し"));
    }
    QCOMPARE(w.language().StrLauncherMenu[4], J(u"外部プログラム ５ 起動(&Z) "));
    QCOMPARE(w.font().pointSize(), 14);
    QVERIFY(messages.texts.isEmpty());
}

void TFormMainLanguageTest::accessKeysDoNotClash_data()
{
    QTest::addColumn<bool>("japanese");
    QTest::newRow("Japanese") << true;
    QTest::newRow("English") << false;
}

void TFormMainLanguageTest::accessKeysDoNotClash()
{
    QFETCH(bool, japanese);
    test::TempHome home;
    installMainTxt();
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();
    ini.writeBool(QStringLiteral("SearchBar"), QStringLiteral("PositionTop"), true);
    MessageRecorder messages;
    TFormMain w({});
    w.show();
    QVERIFY(test::settled(w));
    if (japanese)
        w.language().MenuJapaneseClick();
    else
        w.language().MenuEnglishClick();
    QVERIFY(w.findChild<QWidget *>(QStringLiteral("PanelSearch"))->isVisible());
    QVERIFY(w.findChildren<QMenu *>().size() >= 14);
    const QStringList clashes = test::mnemonicClashes(&w);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
}

void TFormMainLanguageTest::startsInEnglishWhenTheSettingsSaySo()
{
    test::TempHome home;
    installMainTxt();
    IniFile(AppPaths::settingsPath()).writeBool(QStringLiteral("Language"), QStringLiteral("Japanese"), false);
    MessageRecorder messages;
    TFormMain w({});
    QVERIFY(w.commandAction(u"1952")->isChecked());
    w.show();
    QVERIFY(test::settled(w));
    QCOMPARE(w.commandAction(u"1031")->text(), QStringLiteral("E&xit"));
    QCOMPARE(taggedText(w, 2202), QStringLiteral("Prev(&T)"));
    QCOMPARE(w.language().StrLauncherMenu[1], QStringLiteral("Execute Launcher Program2(&V) "));
    QVERIFY(messages.texts.isEmpty());
}

void TFormMainLanguageTest::missingOrBrokenMainTxtKeepsTheBuiltInTexts()
{
    {
        // No file: English mode keeps the built-in Japanese, silently.
        test::TempHome home;
        MessageRecorder messages;
        TFormMain w({});
        w.show();
        QVERIFY(test::settled(w));
        w.language().MenuEnglishClick();
        QCOMPARE(w.commandAction(u"1001")->text(), J(u"開く(&O)... "));
        QCOMPARE(w.language().StrLauncherMenu[0], QStringLiteral("Execute Launcher Program1(&U) "));
        QVERIFY(messages.texts.isEmpty());
    }
    {
        // A broken file: two messages in the window's language, nothing applied,
        // and the launcher bases stay built-in.
        test::TempHome home;
        QDir().mkpath(AppPaths::programLanguageDir());
        QFile out(LanguageFile::path(QStringLiteral("Main.txt")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        const QString text = QStringLiteral("1001\t1\tMenuOpen\tCaption\tJ\tE\r\n1011\t1\tx\tCaption\tj\te\r\n\r\n");
        out.write(test::utf16LeBom + test::utf16le(text));
        out.close();
        MessageRecorder messages;
        TFormMain w({});
        w.show();
        QVERIFY(test::settled(w));
        QCOMPARE(messages.texts.size(), 2);
        QCOMPARE(messages.texts[0], J(u"Information : 個数が6個ではありません\r\n3 : "));
        QCOMPARE(messages.texts[1], J(u"Error : 言語設定ファイルが不正です"));
        QCOMPARE(w.StrMsg, messages.texts[1]);
        QCOMPARE(w.commandAction(u"1001")->text(), J(u"開く(&O)... "));
        QCOMPARE(w.language().StrLauncherMenu[0], J(u"外部プログラム １ 起動(&U) "));
        messages.texts.clear();
        w.language().MenuEnglishClick();
        QCOMPARE(messages.texts.size(), 2);
        QCOMPARE(messages.texts[1], QStringLiteral("Error : This language file format is wrong.\r\n[OK]"));
        QCOMPARE(w.language().StrLauncherMenu[0], QStringLiteral("Execute Launcher Program1(&U) "));
    }
}

QTEST_MAIN(TFormMainLanguageTest)
#include "TFormMainLanguage_test.moc"
