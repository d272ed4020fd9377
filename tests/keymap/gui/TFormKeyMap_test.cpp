// The key-map list: the file as stored, in file order or grouped by
// modifiers, the clipboard following the view last chosen, and a missing file.
#include "keymap/gui/KeyBoardTestSupport.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "IniFile.h"
#include "KeyMapListing.h"
#include "MessageService.h"
#include "TFormKeyMap.h"

#include <QClipboard>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

QStringList rowsOf(const QTreeWidget *list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *r = list->topLevelItem(i);
        rows.append(r->text(0) + u'\t' + r->text(1) + u'\t' + r->text(2) + u'\t' + r->text(3));
    }
    return rows;
}

QString clipboardOf(const QStringList &lines)
{
    QString text;
    for (const QString &l : lines)
        text += l + QStringLiteral("\r\n");
    return text;
}

void settings(const QString &parent, bool all)
{
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();
    ini.writeString(QStringLiteral("FormKeyBoard"), QStringLiteral("Parent"), parent);
    ini.writeBool(QStringLiteral("ShowKeyMapItem"), QStringLiteral("All"), all);
}

} // namespace

class TFormKeyMapTest : public QObject {
    Q_OBJECT
private slots:
    void viewsAndClipboardFollowTheLastChoice();
    void missingFileGivesAnEmptyListAndOneMessage();
    void developerKeysSwitchTheLanguage();
};

void TFormKeyMapTest::viewsAndClipboardFollowTheLastChoice()
{
    test::TempHome home;
    MessageRecorder messages;
    const QStringList map = CommandCatalogue::InitKeyMap(0);
    home.write(QStringLiteral("Quillon-KeyMap.txt"), test::utf16LeFile(map));
    settings(QStringLiteral("Main"), true);
    TFormKeyMap window(true);
    window.show();
    QTRY_COMPARE(rowsOf(window.list()), map);
    QCOMPARE(window.list()->currentItem(), window.list()->topLevelItem(0));

    QPushButton *unsorted = window.buttonNamed(QStringLiteral("ButtonSort0"));
    QPushButton *sorted = window.buttonNamed(QStringLiteral("ButtonSort1"));
    QPushButton *copy = window.buttonNamed(QStringLiteral("ButtonCopyToClip"));
    const QStringList grouped = KeyMapListing::sortedView(KeyMapListing::GetKeySort1(map));
    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(sorted, Qt::LeftButton);
        QCOMPARE(rowsOf(window.list()), grouped);
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), clipboardOf(grouped));
        QTest::mouseClick(unsorted, Qt::LeftButton);
        QCOMPARE(rowsOf(window.list()), map);
        QTest::mouseClick(copy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), clipboardOf(map));
    }
    // The grouped view begins with the keys without modifiers.
    QTest::mouseClick(sorted, Qt::LeftButton);
    QCOMPARE(window.list()->topLevelItem(0)->text(2), QStringLiteral("Down"));
    QCOMPARE(window.list()->topLevelItem(12)->text(2), QStringLiteral("Ctrl+,"));
    QVERIFY(messages.texts.isEmpty());
}

void TFormKeyMapTest::missingFileGivesAnEmptyListAndOneMessage()
{
    test::TempHome home;
    MessageRecorder messages;
    home.write(QStringLiteral("Quillon-KeyMapFindAll.txt"), test::utf16LeFile({J(u"検索\t検索(&F)\tF\t1101")}));
    settings(QStringLiteral("FindAll"), false);
    TFormKeyMap window(false);
    QCOMPARE(window.filePath(), home.file(QStringLiteral("Quillon-KeyDiffFindAll.txt")));
    window.show();
    QTRY_COMPARE(messages.texts, QStringList{QStringLiteral("Information : Keyboard map file is not exist.\r\n[OK]")});
    QVERIFY(!window.BoolFileExist);
    QCOMPARE(window.list()->topLevelItemCount(), 0);
    QTest::mouseClick(window.buttonNamed(QStringLiteral("ButtonSort1")), Qt::LeftButton);
    QCOMPARE(window.list()->topLevelItemCount(), 0);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::mouseClick(window.buttonNamed(QStringLiteral("ButtonCopyToClip")), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), QString());
    QCOMPARE(messages.texts.size(), 1);
}

void TFormKeyMapTest::developerKeysSwitchTheLanguage()
{
    test::TempHome home;
    MessageRecorder messages;
    test::installShippedLanguageFiles();
    home.write(QStringLiteral("Quillon-KeyMap.txt"), test::utf16LeFile(CommandCatalogue::InitKeyMap(0)));
    settings(QStringLiteral("Main"), true);
    IniFile(AppPaths::settingsPath()).writeBool(QStringLiteral("Developer"), QStringLiteral("Enabled"), true);
    TFormKeyMap window(true);
    window.show();
    window.activateWindow();
    QTRY_VERIFY(window.isActiveWindow());
    QCOMPARE(window.list()->topLevelItem(0)->text(0), J(u"ファイル"));
    QTest::keyClick(&window, Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
    QTRY_COMPARE(messages.texts,
                 QStringList{QStringLiteral("Information : List can not view, when Dark Mode.\r\n[OK]")});
    QCOMPARE(window.list()->topLevelItem(0)->text(0), QStringLiteral("File"));
    QCOMPARE(window.list()->topLevelItem(0)->text(1), QStringLiteral("&Open..."));
    QCOMPARE(window.list()->headerItem()->text(2), QStringLiteral("Current Key"));
    QCOMPARE(window.buttonNamed(QStringLiteral("ButtonClose"))->text(), QStringLiteral("&Close"));
}

QTEST_MAIN(TFormKeyMapTest)
#include "TFormKeyMap_test.moc"
