// Command 1051 of the main window: the grid on the file shown, or the reason
// it cannot open; and the way the find-all window opens it on its hand-off file.
#include "support/ModalAnswer.h"
#include "support/Settle.h"
#include "support/TempHome.h"

#include "AppPaths.h"
#include "FontLogFilter.h"
#include "GridModel.h"
#include "IniFile.h"
#include "MessageService.h"
#include "TFormMain.h"
#include "TFormViewGrid.h"

#include <QFile>
#include <QtTest>

using namespace quillon;

class GridControllerTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { FontLogFilter::install(); }
    void opensTheShownFile();
    void refusesWithoutAFile();
    void findAllOpensItsHandOffFile();
};

void GridControllerTest::opensTheShownFile()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString path = home.write(QStringLiteral("t.csv"), "a,b\r\nc,d\r\n");
    TFormMain w({path});
    w.show();
    QVERIFY(test::settled(w));
    int rows = -1;
    QString title;
    test::answerNextModal<TFormViewGrid>([&](TFormViewGrid *grid) {
        QTRY_VERIFY(!grid->isLoading() && grid->model()->rowCount() > 0);
        rows = grid->model()->rowCount();
        title = grid->windowTitle();
        grid->close();
    });
    w.runCommand(u"1051");
    QCOMPARE(rows, 2);
    QVERIFY(title.startsWith(path));
    IniFile ini(AppPaths::settingsPath());
    QCOMPARE(ini.readString(QStringLiteral("FormViewGrid"), QStringLiteral("Parent")), QStringLiteral("Main"));
    // Gone since it was loaded.
    QFile::remove(path);
    w.runCommand(u"1051");
    QCOMPARE(messages.texts.last(), QString::fromUtf16(u"Information : ファイルがありません"));
}

void GridControllerTest::refusesWithoutAFile()
{
    test::TempHome home;
    MessageRecorder messages;
    TFormMain w({});
    w.show();
    QVERIFY(test::settled(w));
    w.runCommand(u"1051");
    QCOMPARE(messages.texts, QStringList{QString::fromUtf16(u"Information : ファイルが読み込まれていません")});
}

void GridControllerTest::findAllOpensItsHandOffFile()
{
    test::TempHome home;
    MessageRecorder messages;
    // The hand-off file as the find-all window writes it: UTF-16 LE with a mark.
    QFile f(TFormViewGrid::findAllHandOffPath());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("\xFF\xFE" "1\0\t\0x\0\r\0\n\0", 12));
    f.close();
    QString parent;
    int columns = -1;
    test::answerNextModal<TFormViewGrid>([&](TFormViewGrid *grid) {
        QTRY_VERIFY(!grid->isLoading() && grid->model()->rowCount() > 0);
        parent = grid->StrFindParentForm;
        columns = grid->model()->columnCount();
        grid->close();
    });
    TFormViewGrid::open(nullptr, TFormViewGrid::findAllHandOffPath(), QStringLiteral("FindAll"), GridContext{});
    QCOMPARE(parent, QStringLiteral("FindAll"));
    QCOMPARE(columns, 2); // "1" TAB "x"
}

QTEST_MAIN(GridControllerTest)
#include "GridController_test.moc"
