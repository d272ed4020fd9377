// The line-number, mark-position and log windows of the main window, driven
// while they are open (they never run a nested loop).
#include "support/Settle.h"
#include "support/TempHome.h"
#include "support/TestText.h"

#include "IniFile.h"
#include "MessageService.h"
#include "TDecEdit.h"
#include "TFormKigouSetting.h"
#include "TFormLineSetting.h"
#include "TFormLog.h"
#include "TFormMain.h"
#include "TMemoExDark.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace quillon;

namespace {

int caretLine(const TFormMain &w)
{
    return w.textView()->lineFromPosition(w.textView()->selectionStart());
}

std::unique_ptr<TFormMain> openWindow(const QStringList &args)
{
    auto w = std::make_unique<TFormMain>(args);
    w->resize(800, 400);
    w->show();
    return test::settled(*w) ? std::move(w) : nullptr;
}

IniFile ini()
{
    return IniFile(AppPaths::settingsPath());
}

// The dialog the command opened, once it shows.
template <class Dialog>
Dialog *opened(TFormMain &w, CommandCode code)
{
    w.runCommand(code);
    auto *dialog = w.findChild<Dialog *>();
    return dialog && QTest::qWaitFor([&] { return dialog->isVisible(); }) ? dialog : nullptr;
}

struct MarkValues {
    int ret, eof, tab, dbcs;
};

void writeMarks(const QString &section, MarkValues v)
{
    IniFile f = ini();
    f.writeInteger(section, QStringLiteral("ShiftRet"), v.ret);
    f.writeInteger(section, QStringLiteral("ShiftEof"), v.eof);
    f.writeInteger(section, QStringLiteral("ShiftTab"), v.tab);
    f.writeInteger(section, QStringLiteral("ShiftDbcs"), v.dbcs);
}

QList<int> readMarks(const QString &section)
{
    const IniFile f = ini();
    QList<int> out;
    for (const char *key : {"ShiftRet", "ShiftEof", "ShiftTab", "ShiftDbcs"})
        out << f.readInteger(section, QString::fromLatin1(key), -1);
    return out;
}

} // namespace

class SmallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void lineSettingAppliedToTheView();
    void lineSettingRefusesAnEmptyBoxAndCancelChangesNothing();
    void lineSettingOnlyWithTheNumbersShown();
    void markPositionsInTheSectionInForce_data();
    void markPositionsInTheSectionInForce();
    void logShowsTheStart();
};

void SmallDialogsTest::lineSettingAppliedToTheView()
{
    test::TempHome home;
    MessageRecorder messages;
    ini().writeBool(QStringLiteral("Editor"), QStringLiteral("ShowLineNumber"), true);
    const QString file = home.write(QStringLiteral("a.txt"), test::numberedLines(300));
    auto w = openWindow({file});
    QVERIFY(w);
    QCOMPARE(w->lineNumberView()->lineText(0), QStringLiteral("000001"));
    w->textView()->setCaretPosition(w->textView()->lineStart(150));

    auto *dialog = opened<TFormLineSetting>(*w, u"1404");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString::fromUtf16(u"行番号表示設定"));
    QCOMPARE(dialog->widthEdit()->text(), QStringLiteral("80"));
    QVERIFY(dialog->paddingItem(1)->isChecked());
    dialog->widthEdit()->setText(QStringLiteral("120"));
    dialog->paddingItem(0)->setChecked(true);
    dialog->okButton()->click();
    QTRY_VERIFY(!w->findChild<TFormLineSetting *>());
    QVERIFY(test::settled(*w));

    QCOMPARE(ini().readInteger(QStringLiteral("Editor"), QStringLiteral("LineWidth"), 0), 120);
    QCOMPARE(ini().readInteger(QStringLiteral("Editor"), QStringLiteral("LineZero"), -1), 0);
    QCOMPARE(w->lineNumberView()->width(), 120);
    QCOMPARE(w->lineNumberView()->lineText(0), QStringLiteral("     1"));
    QCOMPARE(w->lineNumberView()->lineText(299), QStringLiteral("   300"));
    // Renumbering reloads the file, and the reader stays where they were.
    QCOMPARE(caretLine(*w), 150);
    QVERIFY(messages.texts.isEmpty());
}

void SmallDialogsTest::lineSettingRefusesAnEmptyBoxAndCancelChangesNothing()
{
    test::TempHome home;
    MessageRecorder messages;
    ini().writeBool(QStringLiteral("Editor"), QStringLiteral("ShowLineNumber"), true);
    auto w = openWindow({});
    QVERIFY(w);
    auto *dialog = opened<TFormLineSetting>(*w, u"1404");
    QVERIFY(dialog);
    for (const QString &entry : {QString(), QStringLiteral("12x"), QStringLiteral("9999999999")}) {
        messages.texts.clear();
        dialog->widthEdit()->setText(entry);
        dialog->okButton()->click();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts.first().startsWith(QString::fromUtf16(u"Information : 数値を入力してください")));
        QVERIFY(dialog->isVisible());
    }
    QVERIFY(!ini().hasKey(QStringLiteral("Editor"), QStringLiteral("LineWidth")));
    dialog->paddingItem(0)->setChecked(true);
    dialog->cancelButton()->click();
    QTRY_VERIFY(!w->findChild<TFormLineSetting *>());
    QVERIFY(!ini().hasKey(QStringLiteral("Editor"), QStringLiteral("LineWidth")));
    QCOMPARE(ini().readInteger(QStringLiteral("Editor"), QStringLiteral("LineZero"), 1), 1);
    QCOMPARE(w->lineNumberView()->width(), 80);

    // Esc cancels as well.
    dialog = opened<TFormLineSetting>(*w, u"1404");
    QVERIFY(dialog);
    QTest::keyClick(dialog->widthEdit(), Qt::Key_Escape);
    QTRY_VERIFY(!w->findChild<TFormLineSetting *>());
}

void SmallDialogsTest::lineSettingOnlyWithTheNumbersShown()
{
    test::TempHome home;
    MessageRecorder messages;
    auto w = openWindow({});
    QVERIFY(w);
    QAction *item = w->commandAction(u"1404");
    QVERIFY(!item->isEnabled());
    w->runCommand(u"1403"); // line numbers on
    QVERIFY(item->isEnabled());
    w->runCommand(u"1402"); // wrapping at the window's width
    QVERIFY(!item->isEnabled());
}

void SmallDialogsTest::markPositionsInTheSectionInForce_data()
{
    QTest::addColumn<bool>("sameAsHarbekan");
    QTest::newRow("following the filer: [Harbekan]") << true;
    QTest::newRow("our own: [Editor]") << false;
}

void SmallDialogsTest::markPositionsInTheSectionInForce()
{
    QFETCH(bool, sameAsHarbekan);
    test::TempHome home;
    MessageRecorder messages;
    // The filer's switch holds only while its settings file is beside us.
    home.write(QStringLiteral("Harbek.ini"), QByteArray());
    ini().writeBool(QStringLiteral("Editor"), QStringLiteral("SameAsHarbekan"), sameAsHarbekan);
    writeMarks(QStringLiteral("Harbekan"), {21, 22, 23, 24});
    writeMarks(QStringLiteral("Editor"), {31, 32, 33, 34});
    const QString inForce = sameAsHarbekan ? QStringLiteral("Harbekan") : QStringLiteral("Editor");
    const QString other = sameAsHarbekan ? QStringLiteral("Editor") : QStringLiteral("Harbekan");
    const QList<int> otherBefore = readMarks(other);
    auto w = openWindow({});
    QVERIFY(w);

    auto *dialog = opened<TFormKigouSetting>(*w, u"1562");
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString::fromUtf16(u"記号表示位置設定"));
    const QList<int> shown = readMarks(inForce);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(dialog->edit(i)->text(), QString::number(shown[i]));
    // A refused box keeps the dialog open and writes none of the four.
    dialog->edit(0)->setText(QStringLiteral("5"));
    dialog->edit(2)->setText(QString());
    dialog->okButton()->click();
    QCOMPARE(messages.texts.size(), 1);
    QCOMPARE(readMarks(inForce), shown);

    dialog->edit(1)->setText(QStringLiteral("6"));
    dialog->edit(2)->setText(QStringLiteral("7"));
    dialog->edit(3)->setText(QStringLiteral("9"));
    dialog->okButton()->click();
    QTRY_VERIFY(!w->findChild<TFormKigouSetting *>());
    QCOMPARE(readMarks(inForce), (QList<int>{5, 6, 7, 9}));
    QCOMPARE(readMarks(other), otherBefore);
    TMemoExDark *view = w->textView();
    QCOMPARE((QList<int>{view->shiftRet(), view->shiftEof(), view->shiftTab(), view->shiftDBCS()}),
             (QList<int>{5, 6, 7, 9}));

    // Cancel changes nothing.
    dialog = opened<TFormKigouSetting>(*w, u"1562");
    QVERIFY(dialog);
    dialog->edit(0)->setText(QStringLiteral("1"));
    dialog->cancelButton()->click();
    QTRY_VERIFY(!w->findChild<TFormKigouSetting *>());
    QCOMPARE(readMarks(inForce), (QList<int>{5, 6, 7, 9}));
    QCOMPARE(view->shiftRet(), 5);
}

void SmallDialogsTest::logShowsTheStart()
{
    test::TempHome home;
    MessageRecorder messages;
    const QString file = home.write(QStringLiteral("a.txt"), "abc");
    auto w = openWindow({file});
    QVERIFY(w);
    auto *log = opened<TFormLog>(*w, u"1831");
    QVERIFY(log);
    QCOMPARE(log->windowTitle(), QString::fromUtf16(u"ログ表示"));
    QCOMPARE(log->minimumSize(), QSize(800, 600));
    QVERIFY(log->windowFlags() & Qt::WindowMaximizeButtonHint);
    TMemoExDark *memo = log->memo();
    QCOMPARE(memo->wrapMode(), TMemoExDark::WrapMode::NoWrap);
    QCOMPARE(memo->tabStopDialogUnits(), 16);
    const QStringList expected{QStringLiteral("ParamCount"), QStringLiteral("1"), QString(), QStringLiteral("ParamStr(1)"),
                               file, QString(), QStringLiteral("Name"), QStringLiteral("Handle"), QString()};
    for (int i = 0; i < int(expected.size()); ++i)
        QCOMPARE(memo->lineText(i), expected[i]);
    QTest::keyClick(memo, Qt::Key_Escape);
    QTRY_VERIFY(!w->findChild<TFormLog *>());
    QTRY_COMPARE(w->focusWidget(), static_cast<QWidget *>(w->textView()));
}

QTEST_MAIN(SmallDialogsTest)
#include "SmallDialogs_test.moc"
