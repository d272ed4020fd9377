// Recent files and reading positions as a user meets them: leaving a file
// and opening it again, the recent items of the file menu, the open dialog,
// a reload with another read setting, and what lands in the two files.
#include "support/FakeDialogs.h"
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "HistoryController.h"
#include "IniFile.h"
#include "MainMenuBuilder.h"
#include "MessageService.h"
#include "TFormMain.h"
#include "TMemoExDark.h"
#include "Utf16TextFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace quillon;

namespace {

int caretLine(const TFormMain &w)
{
    return w.textView()->lineFromPosition(w.textView()->selectionStart());
}

void placeCaretOnLine(TFormMain &w, int line)
{
    w.textView()->setCaretPosition(w.textView()->lineStart(line));
}

void setStartTopLine(bool on)
{
    IniFile ini(AppPaths::settingsPath());
    ini.writeBool(QStringLiteral("Editor"), QStringLiteral("StartTopLine"), on);
}

void setWrapAtWidth(bool on)
{
    IniFile ini(AppPaths::settingsPath());
    ini.writeBool(QStringLiteral("Editor"), QStringLiteral("WrapNone"), !on);
    ini.writeBool(QStringLiteral("Editor"), QStringLiteral("WrapWindowWidth"), on);
}

std::unique_ptr<TFormMain> openWindow(const QStringList &args)
{
    auto w = std::make_unique<TFormMain>(args);
    w->resize(800, 400);
    w->show();
    if (!test::settled(*w))
        return nullptr;
    if (w->textView()->wrapMode() == TMemoExDark::WrapMode::WidgetWidth && !test::wrapSettled(*w))
        return nullptr;
    return w;
}

QAction *recentItem(const TFormMain &w, int index)
{
    return w.menus().recentFileActions().value(index);
}

// Long lines that wrap into several display lines each at the window's width.
QByteArray longLines(int n)
{
    QByteArray b;
    for (int i = 1; i <= n; ++i)
        b += "line " + QByteArray::number(i) + ' ' + QByteArray(300, 'x') + "\r\n";
    return b;
}

} // namespace

class TFormMainHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void reopenReturnsWhereTheUserLeft_data();
    void reopenReturnsWhereTheUserLeft();
    void aShrunkFileGoesToItsLastLine();
    void recentItems();
    void openDialogRecordsFirst();
    void readSettingReloadKeepsThePosition();
    void startTopLineToggle();
    void unreadableHistoryIsSaidAndKept();
};

void TFormMainHistoryTest::reopenReturnsWhereTheUserLeft_data()
{
    QTest::addColumn<bool>("startTopLine");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("expected");
    QTest::newRow("position kept") << false << false << 500;
    QTest::newRow("position kept, wrapped") << false << true << 500;
    QTest::newRow("every file at its top") << true << false << 0;
    QTest::newRow("every file at its top, wrapped") << true << true << 0;
}

void TFormMainHistoryTest::reopenReturnsWhereTheUserLeft()
{
    QFETCH(bool, startTopLine);
    QFETCH(bool, wrap);
    QFETCH(int, expected);
    test::TempHome home;
    MessageRecorder messages;
    setStartTopLine(startTopLine);
    setWrapAtWidth(wrap);
    const QString file = home.write(QStringLiteral("long.txt"), wrap ? longLines(400) : test::numberedLines(1000));
    {
        auto w = openWindow({file});
        QVERIFY(w);
        if (wrap)
            QVERIFY(w->textView()->lineCount() > 1000); // display lines, not the 400 of the file
        placeCaretOnLine(*w, 500);
        QVERIFY(w->close());
    }
    const QStringList history = Utf16TextFile::readLines(home.file(QStringLiteral("Quillon-History.txt")));
    QCOMPARE(history.size(), 128);
    QCOMPARE(history.first(), QStringLiteral("500\t") + QFileInfo(file).absoluteFilePath());

    auto w = openWindow({file});
    QVERIFY(w);
    QTRY_COMPARE(caretLine(*w), expected);
    QCOMPARE(w->textView()->firstVisibleLine(), expected);
    QCOMPARE(w->textView()->selectionStart(), w->textView()->lineStart(expected));
    QVERIFY(messages.texts.isEmpty());
}

void TFormMainHistoryTest::aShrunkFileGoesToItsLastLine()
{
    test::TempHome home;
    MessageRecorder messages;
    setStartTopLine(false);
    const QString file = home.write(QStringLiteral("short.txt"), test::numberedLines(20));
    home.write(QStringLiteral("Quillon-History.txt"),
               test::utf16LeFile({QStringLiteral("500\t") + QFileInfo(file).absoluteFilePath()}));
    auto w = openWindow({file});
    QVERIFY(w);
    // 20 lines and an empty one after the last line end: the last with text is 19.
    QTRY_COMPARE(caretLine(*w), 19);
}

void TFormMainHistoryTest::recentItems()
{
    test::TempHome home;
    MessageRecorder messages;
    setStartTopLine(false);
    const QString a = home.write(QStringLiteral("a.txt"), test::numberedLines(300));
    const QString b = home.write(QStringLiteral("b&c.txt"), test::numberedLines(300));
    const QString gone = home.file(QStringLiteral("gone.txt"));
    home.write(QStringLiteral("Quillon-Recent.txt"), test::utf16LeFile({b, gone}));

    auto w = openWindow({a});
    QVERIFY(w);
    // The file loaded goes on top; the menu shows every entry, an "&" as itself.
    QCOMPARE(w->history().StrListRecent(), (QStringList{a, b, gone, QString(), QString(), QString()}));
    QCOMPARE(recentItem(*w, 0)->text(), QStringLiteral("&1 ") + a);
    QCOMPARE(recentItem(*w, 1)->text(), QStringLiteral("&2 ") + QString(b).replace(u'&', QStringLiteral("&&")));
    QCOMPARE(recentItem(*w, 5)->text(), QStringLiteral("&6 "));

    // A file that is gone, or an empty item: the message, and the list stays.
    for (int item : {2, 4}) {
        messages.texts.clear();
        recentItem(*w, item)->trigger();
        QCOMPARE(messages.texts, QStringList{QString::fromUtf16(u"Information : ファイルがありません")});
        QCOMPARE(w->StrLoadFileName, a);
        QCOMPARE(w->history().StrListRecent().value(2), gone);
    }

    messages.texts.clear();

    // Another file: where the user was in the first is recorded, the second opens.
    placeCaretOnLine(*w, 120);
    recentItem(*w, 1)->trigger();
    QTRY_COMPARE(w->StrLoadFileName, b);
    QCOMPARE(w->history().StrListHistory().first(), QStringLiteral("120\t") + a);
    QCOMPARE(w->history().StrListRecent().mid(0, 3), (QStringList{b, a, gone}));
    QCOMPARE(recentItem(*w, 0)->text(), QStringLiteral("&1 ") + QString(b).replace(u'&', QStringLiteral("&&")));

    // And back again: the first opens where it was left.
    recentItem(*w, 1)->trigger();
    QTRY_COMPARE(w->StrLoadFileName, a);
    QTRY_COMPARE(caretLine(*w), 120);
    QVERIFY(test::settled(*w));
    QVERIFY(messages.texts.isEmpty());
}

void TFormMainHistoryTest::openDialogRecordsFirst()
{
    test::TempHome home;
    MessageRecorder messages;
    test::FakeDialogs dialogs;
    dialogs.accept = false;
    const QString a = home.write(QStringLiteral("a.txt"), test::numberedLines(100));
    auto w = openWindow({a});
    QVERIFY(w);
    placeCaretOnLine(*w, 42);
    w->runCommand(u"1001");
    QCOMPARE(dialogs.calls, 1);
    QCOMPARE(w->history().StrListHistory().first(), QStringLiteral("42\t") + a);
}

void TFormMainHistoryTest::readSettingReloadKeepsThePosition()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString a = home.write(QStringLiteral("a.txt"), test::numberedLines(400));
    auto w = openWindow({a});
    QVERIFY(w);
    placeCaretOnLine(*w, 300);
    const QStringList before = w->history().StrListHistory();
    w->runCommand(u"1301"); // Shift_JIS
    QVERIFY(test::settled(*w));
    QCOMPARE(caretLine(*w), 300);
    QCOMPARE(w->textView()->firstVisibleLine(), 300);
    // Not a new reading position: the history is as it was.
    QCOMPARE(w->history().StrListHistory(), before);
}

void TFormMainHistoryTest::startTopLineToggle()
{
    test::TempHome home;
    MessageRecorder messages;
    {
        auto w = openWindow({});
        QVERIFY(w);
        QAction *item = w->commandAction(u"1561");
        QVERIFY(item->isEnabled());
        QVERIFY(item->isChecked()); // the default
        item->trigger();
        QVERIFY(!item->isChecked());
        QVERIFY(!w->settings().startTopLine);
    }
    IniFile ini(AppPaths::settingsPath());
    QCOMPARE(ini.readBool(QStringLiteral("Editor"), QStringLiteral("StartTopLine"), true), false);
}

void TFormMainHistoryTest::unreadableHistoryIsSaidAndKept()
{
    test::TempHome home;
    MessageRecorder messages;
    const QByteArray original = test::utf16LeFile({QStringLiteral("3\t/kept.txt")});
    const QString file = home.write(QStringLiteral("Quillon-History.txt"), original);
    const QString a = home.write(QStringLiteral("a.txt"), test::numberedLines(10));
    QFile::setPermissions(file, QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    // The folder itself stays usable for everyone else the window writes.
    QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7777));
    {
        test::PermissionsApply apply;
        auto w = openWindow({a});
        QVERIFY(w);
        QTRY_COMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts.first().startsWith(QString::fromUtf16(u"Error : 履歴ファイルが読み込めません")));
        QVERIFY(messages.texts.first().contains(QDir::toNativeSeparators(file)));
        QVERIFY(w->close());
        QCOMPARE(messages.texts.size(), 1); // said once, not again on close
    }
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(home.read(QStringLiteral("Quillon-History.txt")), original);
}

QTEST_MAIN(TFormMainHistoryTest)
#include "TFormMainHistory_test.moc"
