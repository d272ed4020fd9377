// Files that try the viewer's limits: one past the size limit, 100 MB without
// a line end, a 50 MB line among short ones, and a file that shrinks or goes
// away while it is shown. Each gives a clear message or works, and nothing
// that was shown is lost.
#include "support/FakeDialogs.h"
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "BinaryController.h"
#include "SearchController.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QFile>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

// The sanitizer build runs the same cases on files eight times smaller: its
// checks make every byte of a 100 MB decode and wrap many times slower.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 Scale = 8;
#else
constexpr qint64 Scale = 1;
#endif

QString bigFile(const test::TempHome &home, const QString &name, const QByteArray &head, qint64 fill,
                const QByteArray &tail)
{
    QFile f(home.file(name));
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(head);
    const QByteArray block(1 << 20, 'x');
    for (qint64 left = fill; left > 0; left -= block.size())
        f.write(block.constData(), qMin<qint64>(left, block.size()));
    f.write(tail);
    return f.fileName();
}

} // namespace

class HostileFilesTest : public QObject {
    Q_OBJECT
private slots:
    void onePastTheSizeLimitIsRefusedAndTheShownFileStays();
    void hundredMegabytesWithoutALineEnd();
    void fiftyMegabyteLineAmongShortOnes();
    void fileThatShrinksOrVanishesWhileShown();
};

void HostileFilesTest::onePastTheSizeLimitIsRefusedAndTheShownFileStays()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString small = home.write(QStringLiteral("small.txt"), QByteArray("kept\r\n"));
    // Sparse: 2 GiB + 1 byte that take no room on the disk.
    QFile big(home.file(QStringLiteral("big.txt")));
    QVERIFY(big.open(QIODevice::WriteOnly));
    QVERIFY(big.resize((qint64(1) << 31) + 1));
    big.close();

    TFormMain w({small});
    w.show();
    QVERIFY(test::settled(w));
    w.handleDrop({big.fileName()});
    QVERIFY(test::settled(w));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].startsWith(QStringLiteral("Error : ")), qPrintable(messages.texts[0]));
    QCOMPARE(w.StrLoadFileName, QFileInfo(small).absoluteFilePath());
    QCOMPARE(w.StrListLoadFileTmp->line(0).toString(), QStringLiteral("kept"));
}

void HostileFilesTest::hundredMegabytesWithoutALineEnd()
{
    test::TempHome home;
    MessageRecorder messages;
    const qint64 size = (qint64(100) << 20) / Scale;
    const QString file = bigFile(home, QStringLiteral("noend.txt"), "start", size - 10, "needl");
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w, 60000));
    QVERIFY(messages.texts.isEmpty());
    TMemoExDark *view = w.textView();
    QCOMPARE(view->lineCount(), 1);
    QCOMPARE(view->length(), size);

    w.runCommand(u"1242"); // End of the line
    QCOMPARE(view->caretPosition(), size);
    w.runCommand(u"1241");
    w.search().StrSearchValue = QStringLiteral("needl");
    w.runCommand(u"1102");
    QVERIFY(test::settled(w, 60000));
    QCOMPARE(view->selectionStart(), size - 5);
    QCOMPARE(view->selectionLength(), 5);

    // Wrapping the one line and back.
    w.runCommand(u"1402");
    QVERIFY(test::wrapSettled(w, 120000));
    QCOMPARE(view->wrapMode(), TMemoExDark::WrapMode::WidgetWidth);
    QVERIFY(view->lineCountSoFar() > 1);
    w.runCommand(u"1401");
    QVERIFY(test::wrapSettled(w, 120000));
    QCOMPARE(view->lineCountSoFar(), 1);
}

void HostileFilesTest::fiftyMegabyteLineAmongShortOnes()
{
    test::TempHome home;
    MessageRecorder messages;
    const qint64 line = (qint64(50) << 20) / Scale;
    const QString file = bigFile(home, QStringLiteral("longline.txt"), "one\r\n", line, "\r\nthree\r\n");
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w, 60000));
    TMemoExDark *view = w.textView();
    QCOMPARE(view->lineCount(), 4); // the final line end leaves an empty last line
    QCOMPARE(view->lineLength(1), line);
    w.search().StrSearchValue = QStringLiteral("three");
    w.runCommand(u"1102");
    QVERIFY(test::settled(w, 60000));
    QCOMPARE(view->selectionStart(), view->lineStart(2));
}

void HostileFilesTest::fileThatShrinksOrVanishesWhileShown()
{
    test::TempHome home;
    MessageRecorder messages;
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += QByteArray::number(i) + " line of the file\r\n";
    const QString file = home.write(QStringLiteral("log.txt"), text);
    TFormMain w({file});
    w.show();
    QVERIFY(test::settled(w));
    TMemoExDark *view = w.textView();
    const qint64 length = view->length();

    // Shrunk under the viewer: the text shown stays, the hex dump shows
    // what is left, and scrolling it reads nothing past the end.
    QVERIFY(QFile::resize(file, 100));
    QCOMPARE(view->length(), length);
    w.runCommand(u"1721");
    QVERIFY(w.binary().shown());
    w.runCommand(u"1238");
    w.runCommand(u"1721");
    QVERIFY(!w.binary().shown());
    QCOMPARE(view->length(), length);

    // Gone: reading it again in another code says so and keeps what is shown.
    QVERIFY(QFile::remove(file));
    messages.texts.clear();
    w.runCommand(u"1303");
    QVERIFY(test::settled(w));
    QCOMPARE(messages.texts.size(), 1);
    QCOMPARE(view->length(), length);
    QCOMPARE(w.StrListLoadFileTmp->line(0).toString(), QStringLiteral("0 line of the file"));
}

QTEST_MAIN(HostileFilesTest)
#include "HostileFiles_test.moc"
