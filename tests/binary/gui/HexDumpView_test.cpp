// The dump and its header as the user meets them: rows shown from the file,
// the caret in the first offset, the header handing the focus to the dump and
// keeping its labels over the columns while the dump scrolls sideways.
#include "HexDumpView.h"
#include "HexFileReader.h"
#include "HexRowSource.h"
#include "HexRows.h"
#include "TMemoExDark.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace quillon;

class HexDumpViewTest : public QObject {
    Q_OBJECT

private slots:
    void showsRowsAndHandsTheFocusToTheDump()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.bin"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("ABCDEFGHIJKLMNOP\x0A/\x7F\x80"));
        }
        QWidget top;
        auto *view = new HexDumpView(&top);
        auto *other = new TMemoExDark(&top);
        other->move(0, 300);
        view->resize(300, 200);
        top.resize(300, 400);
        QFont font = view->font();
        font.setPointSize(14);
        view->setDumpFont(font);
        QCOMPARE(view->header()->height(), 20);
        auto reader = std::make_shared<HexFileReader>(path);
        view->setRows(std::make_shared<HexRowSource>(reader, HexPaging::wholeFile(reader->size())));
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));

        QCOMPARE(view->header()->lineText(0), HexRows::header());
        QCOMPARE(view->dump()->lineCount(), 2);
        QCOMPARE(view->dump()->lineText(1),
                 QStringLiteral("00000010  0A 2F 7F 80                                        |  ./..              |"));
        QCOMPARE(view->dump()->caretPosition(), 7);

        other->setFocus();
        QTRY_VERIFY(other->hasFocus());
        QTest::mouseClick(view->header()->viewport(), Qt::LeftButton, {}, QPoint(20, 5));
        QTRY_VERIFY(view->dump()->hasFocus());
        QVERIFY(!view->header()->hasFocus());

        // Narrow window: the dump scrolls sideways and the header follows.
        QScrollBar *bar = view->dump()->horizontalScrollBar();
        QTRY_VERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        QCOMPARE(view->header()->horizontalOffset(), view->dump()->horizontalOffset());
        QVERIFY(view->header()->horizontalOffset() > 0);

        view->setRows(nullptr);
        QCOMPARE(view->dump()->length(), 0);
    }

    void movesAndCopiesPastFourGigabytesOfRows()
    {
        // 3 GB of rows (zeros: there is no file) is about 16 billion units.
        auto reader = std::make_shared<HexFileReader>(QStringLiteral("/nonexistent"));
        HexDumpView view;
        view.resize(700, 300);
        view.setRows(std::make_shared<HexRowSource>(reader, HexRange{0, 2999999999}));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        TMemoExDark *dump = view.dump();
        const int last = dump->lineCount() - 1;
        QCOMPARE(last, 187499999);

        QTest::keyClick(dump, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(dump->caretPosition(), dump->length());
        QVERIFY(dump->length() > (qint64(1) << 32));
        QCOMPARE(dump->lineFromPosition(dump->caretPosition()), last);
        QVERIFY(dump->firstVisibleLine() > last - dump->visibleLineCount());
        QVERIFY(dump->positionToPoint(dump->caretPosition()).has_value());

        // Shift+Up selects back into the row before; the copy is the rows as shown.
        QTest::keyClick(dump, Qt::Key_Home);
        QTest::keyClick(dump, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(dump->lineFromPosition(dump->caretPosition()), last - 1);
        QCOMPARE(dump->selectedText(), dump->lineText(last - 1) + QStringLiteral("\r\n"));
        QVERIFY(dump->lineText(last).startsWith(QStringLiteral("B2D05DF0  00 00")));

        // A click lands on the row under the mouse.
        const QPoint at = *dump->positionToPoint(dump->lineStart(last - 2) + 3);
        QTest::mouseClick(dump->viewport(), Qt::LeftButton, {}, at + QPoint(1, 2));
        QCOMPARE(dump->caretPosition(), dump->lineStart(last - 2) + 3);

        QTest::keyClick(dump, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(dump->caretPosition(), 0);
        QCOMPARE(dump->firstVisibleLine(), 0);
    }
};

QTEST_MAIN(HexDumpViewTest)
#include "HexDumpView_test.moc"
