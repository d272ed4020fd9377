// Applying language files to a window: every control kind, the item lists,
// the window title and font, and files that must change nothing.
#include "support/TempHome.h"
#include "support/TestText.h"

#include "IniFile.h"
#include "MessageService.h"
#include "LanguageSetter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QtTest>

using namespace quillon;
using test::J;

namespace {

QByteArray utf16File(const QStringList &lines)
{
    return test::utf16LeFile(lines);
}

const QString header = QStringLiteral("Tag\tFlag\tName\tKind\tJapanese\tEnglish");

QString line(int tag, const char *flag, const char *kind, const QString &ja, const QString &en)
{
    return QStringLiteral("%1\t%2\tn\t%3\t%4\t%5").arg(tag).arg(QLatin1String(flag), QLatin1String(kind), ja, en);
}

// A window with one control of every kind, built with "Japanese" texts.
class Fixture : public QWidget {
public:
    Fixture()
    {
        setWindowTitle(QStringLiteral("title"));
        auto *layout = new QVBoxLayout(this);
        auto *bar = new QMenuBar(this);
        QMenu *file = bar->addMenu(QStringLiteral("menu"));
        file->menuAction()->setProperty("tag", 1000);
        open = file->addAction(QStringLiteral("open"));
        open->setProperty("tag", 1001);
        label = new QLabel(QStringLiteral("label"), this);
        label->setProperty("tag", 2001);
        button = new QPushButton(QStringLiteral("button"), this);
        button->setProperty("tag", 2201);
        tabs = new QTabWidget(this);
        page = new QWidget;
        page->setProperty("tag", 2601);
        tabs->addTab(page, QStringLiteral("page"));
        box = new QGroupBox(QStringLiteral("box"), this);
        box->setProperty("tag", 2801);
        list = new QListWidget(this);
        list->setProperty("tag", 4001);
        list->addItems({QStringLiteral("l1"), QStringLiteral("l2")});
        radio = new QGroupBox(QStringLiteral("radio"), this);
        radio->setProperty("tag", 5001);
        radio->setProperty("radioGroup", true);
        auto *radioLayout = new QVBoxLayout(radio);
        for (const char *text : {"r1", "r2"})
            radioLayout->addWidget(new QRadioButton(QLatin1String(text), radio));
        check = new QCheckBox(QStringLiteral("check"), this);
        check->setProperty("tag", 6001);
        combo = new QComboBox(this);
        combo->setProperty("tag", 7001);
        combo->addItems({QStringLiteral("c1"), QStringLiteral("c2"), QStringLiteral("c3")});
        combo2 = new QComboBox(this);
        combo2->setProperty("tag", 7002);
        edit = new QLineEdit(QStringLiteral("edit"), this);
        edit->setProperty("tag", 8001);
        untagged = new QLabel(QStringLiteral("untagged"), this);
        for (QWidget *w : std::initializer_list<QWidget *>{label, button, tabs, box, list, radio, check, combo, combo2, edit, untagged})
            layout->addWidget(w);
    }

    [[nodiscard]] QStringList radioTexts() const
    {
        QStringList texts;
        for (QRadioButton *b : radio->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly))
            texts.append(b->text());
        return texts;
    }
    [[nodiscard]] static QStringList comboTexts(const QComboBox *c)
    {
        QStringList texts;
        for (int i = 0; i < c->count(); ++i)
            texts.append(c->itemText(i));
        return texts;
    }
    [[nodiscard]] QStringList listTexts() const
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->item(i)->text());
        return texts;
    }
    // Every text of the window, to see that a bad file changed nothing.
    [[nodiscard]] QStringList snapshot() const
    {
        return QStringList{windowTitle(), open->text(), label->text(), button->text(), tabs->tabText(0),
                           box->title(), radio->title(), check->text(), edit->text(), untagged->text()}
            + listTexts() + radioTexts() + comboTexts(combo) + comboTexts(combo2);
    }

    QAction *open;
    QLabel *label;
    QPushButton *button;
    QTabWidget *tabs;
    QWidget *page;
    QGroupBox *box;
    QListWidget *list;
    QGroupBox *radio;
    QCheckBox *check;
    QComboBox *combo;
    QComboBox *combo2;
    QLineEdit *edit;
    QLabel *untagged;
};

} // namespace

class LanguageSetterTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_home = std::make_unique<test::TempHome>();
        m_messages = std::make_unique<MessageRecorder>();
    }
    void cleanup()
    {
        m_messages.reset();
        m_home.reset();
    }
    void everyKindOfControl_data();
    void everyKindOfControl();
    void radioGroupTakesExactlyTheItemsOfTheFile();
    void interruptedListKeepsItsLastRun();
    void badFilesApplyNothing_data();
    void badFilesApplyNothing();
    void missingFileChangesNothingAndSaysNothing();
    void windowFontFollowsTheLanguage();
    void coverageCheckNamesUntranslatedControls();
    void developerKeysSwitchOneWindow();

private:
    QString write(const QByteArray &bytes) { return m_home->write(QStringLiteral("Test.txt"), bytes); }
    LanguageSetter::Report report(bool japanese)
    {
        return LanguageSetter::messageBox(nullptr, japanese);
    }
    std::unique_ptr<test::TempHome> m_home;
    std::unique_ptr<MessageRecorder> m_messages;
};

void LanguageSetterTest::everyKindOfControl_data()
{
    QTest::addColumn<bool>("japanese");
    QTest::newRow("Japanese") << true;
    QTest::newRow("English") << false;
}

void LanguageSetterTest::everyKindOfControl()
{
    QFETCH(bool, japanese);
    const QStringList lines{
        header,
        line(1001, "1", "Caption", J(u"開く"), QStringLiteral("Open")),
        line(1000, "0", "Caption", QStringLiteral("no"), QStringLiteral("no")), // flag 0: ignored
        line(2999, "1", "Caption", J(u"題"), QStringLiteral("Title")),
        line(2001, "1", "Caption", J(u"ラベル"), QStringLiteral("Label")),
        line(2201, "1", "Caption", J(u"ボタン"), QStringLiteral("Button")),
        line(2601, "1", "Caption", J(u"ページ"), QStringLiteral("Page")),
        line(2801, "1", "Caption", J(u"枠"), QStringLiteral("Frame")),
        line(4001, "1", "Item", J(u"一"), QStringLiteral("one")),
        line(5001, "1", "Caption", J(u"選択"), QStringLiteral("Choice")),
        line(6001, "1", "Caption", J(u"確認"), QStringLiteral("Check")),
        line(7001, "1", "Item", J(u"あ"), QStringLiteral("a")),
        line(7001, "1", "Item", J(u"い"), QStringLiteral("b")),
        line(8001, "1", "Text", J(u"文"), QStringLiteral("Text")),
        // wrong kind words, a tag no control carries, digits outside the ranges
        line(2001, "1", "Item", QStringLiteral("x"), QStringLiteral("x")),
        line(6001, "1", "Text", QStringLiteral("x"), QStringLiteral("x")),
        line(8001, "1", "Caption", QStringLiteral("x"), QStringLiteral("x")),
        line(1999, "1", "Caption", QStringLiteral("x"), QStringLiteral("x")),
        line(3001, "1", "Caption", QStringLiteral("x"), QStringLiteral("x")),
        line(2000, "1", "Caption", QStringLiteral("x"), QStringLiteral("x")),
        QStringLiteral("99999999999\t1\tn\tCaption\tx\tx"),
        QStringLiteral("\t1\tn\tCaption\tx\tx"),
    };
    const QString path = write(utf16File(lines));
    Fixture w;
    w.combo->setCurrentIndex(1);
    const auto result = LanguageSetter::apply(&w, path, japanese, nullptr, report(japanese));
    QCOMPARE(result, LanguageSetter::Result::Applied);
    QVERIFY(m_messages->texts.isEmpty());
    auto pick = [japanese](const QString &ja, const char *en) { return japanese ? ja : QLatin1String(en); };
    QCOMPARE(w.open->text(), pick(J(u"開く"), "Open"));
    QCOMPARE(w.findChild<QMenuBar *>()->actions().first()->text(), QStringLiteral("menu"));
    QCOMPARE(w.windowTitle(), pick(J(u"題"), "Title"));
    QCOMPARE(w.label->text(), pick(J(u"ラベル"), "Label"));
    QCOMPARE(w.button->text(), pick(J(u"ボタン"), "Button"));
    QCOMPARE(w.tabs->tabText(0), pick(J(u"ページ"), "Page"));
    QCOMPARE(w.box->title(), pick(J(u"枠"), "Frame"));
    QCOMPARE(w.listTexts(), QStringList{pick(J(u"一"), "one")});
    QCOMPARE(w.radio->title(), pick(J(u"選択"), "Choice"));
    QCOMPARE(w.radioTexts(), (QStringList{QStringLiteral("r1"), QStringLiteral("r2")}));
    QCOMPARE(w.check->text(), pick(J(u"確認"), "Check"));
    QCOMPARE(Fixture::comboTexts(w.combo), (QStringList{pick(J(u"あ"), "a"), pick(J(u"い"), "b")}));
    QCOMPARE(w.combo->currentIndex(), 1); // a re-worded entry stays chosen
    QCOMPARE(w.edit->text(), pick(J(u"文"), "Text"));
    QCOMPARE(w.untagged->text(), QStringLiteral("untagged"));

    // A second file without a line for some controls leaves their texts alone.
    const QString partial = write(utf16File({header, line(2201, "1", "Caption", J(u"押す"), QStringLiteral("Push"))}));
    LanguageSetter::apply(&w, partial, japanese, nullptr, report(japanese));
    QCOMPARE(w.button->text(), pick(J(u"押す"), "Push"));
    QCOMPARE(w.label->text(), pick(J(u"ラベル"), "Label"));
}

void LanguageSetterTest::radioGroupTakesExactlyTheItemsOfTheFile()
{
    Fixture w;
    auto buttons = w.radio->findChildren<QRadioButton *>();
    buttons[1]->setChecked(true);
    const QString three = write(utf16File({header, line(5001, "1", "Item", QStringLiteral("X"), QStringLiteral("x")),
                                           line(5001, "1", "Item", QStringLiteral("Y"), QStringLiteral("y")),
                                           line(5001, "1", "Item", QStringLiteral("Z"), QStringLiteral("z"))}));
    LanguageSetter::apply(&w, three, false, nullptr, report(false));
    QCOMPARE(w.radioTexts(), (QStringList{QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")}));
    buttons = w.radio->findChildren<QRadioButton *>();
    QVERIFY(buttons[1]->isChecked());
    // And back to one item: the others go.
    const QString one = write(utf16File({header, line(5001, "1", "Item", QStringLiteral("O"), QStringLiteral("o"))}));
    LanguageSetter::apply(&w, one, true, nullptr, report(true));
    QCOMPARE(w.radioTexts(), QStringList{QStringLiteral("O")});
}

void LanguageSetterTest::interruptedListKeepsItsLastRun()
{
    Fixture w;
    const QString path = write(utf16File({header, line(7001, "1", "Item", QStringLiteral("a"), QStringLiteral("a")),
                                          line(7001, "1", "Item", QStringLiteral("b"), QStringLiteral("b")),
                                          line(7002, "1", "Item", QStringLiteral("p"), QStringLiteral("p")),
                                          line(7001, "1", "Item", QStringLiteral("c"), QStringLiteral("c"))}));
    LanguageSetter::apply(&w, path, true, nullptr, report(true));
    QCOMPARE(Fixture::comboTexts(w.combo), QStringList{QStringLiteral("c")});
    QCOMPARE(Fixture::comboTexts(w.combo2), QStringList{QStringLiteral("p")});
}

void LanguageSetterTest::badFilesApplyNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("firstEnglish");
    const QString good = line(2001, "1", "Caption", QStringLiteral("J"), QStringLiteral("E"));
    QTest::newRow("empty line") << utf16File({header, good, QString(), good})
                                << QStringLiteral("Information : Items is not 6.\r\n[OK]\r\n3 : ");
    QTest::newRow("five fields") << utf16File({good, QStringLiteral("2201\t1\tn\tCaption\tJ")})
                                 << QStringLiteral("Information : Items is not 6.\r\n[OK]\r\n2 : 2201\t1\tn\tCaption\tJ");
    QTest::newRow("tag not numeric") << utf16File({good, QStringLiteral("2201x\t1\tn\tCaption\tJ\tE")})
                                     << QStringLiteral("Information : First column is not numeric.\r\n[OK]\r\n2 : 2201x\t1\tn\tCaption\tJ\tE");
    // UTF-8 read as UTF-16: no tab survives, so the first line is one field.
    const QString utf8Text = QStringList{header, good}.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    QTest::newRow("UTF-8 file") << utf8Text.toUtf8() << QString();
    QTest::newRow("UTF-8 file with mark") << (QByteArray("\xEF\xBB\xBF") + utf8Text.toUtf8()) << QString();
}

void LanguageSetterTest::badFilesApplyNothing()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, firstEnglish);
    const QString path = write(bytes);
    Fixture w;
    const QStringList before = w.snapshot();
    const QFont fontBefore = w.font();
    IniFile ini(AppPaths::settingsPath());
    const auto result = LanguageSetter::apply(&w, path, false, &ini, report(false));
    QCOMPARE(result, LanguageSetter::Result::Invalid);
    QCOMPARE(w.snapshot(), before);
    QCOMPARE(w.font(), fontBefore);
    QCOMPARE(m_messages->texts.size(), 2);
    if (!firstEnglish.isEmpty())
        QCOMPARE(m_messages->texts[0], firstEnglish);
    QCOMPARE(m_messages->texts[1], QStringLiteral("Error : This language file format is wrong.\r\n[OK]"));

    // The same file in Japanese mode: the Japanese wordings.
    m_messages->texts.clear();
    LanguageSetter::apply(&w, path, true, &ini, report(true));
    QCOMPARE(m_messages->texts.size(), 2);
    QCOMPARE(m_messages->texts[1], J(u"Error : 言語設定ファイルが不正です"));
    QCOMPARE(w.snapshot(), before);
}

void LanguageSetterTest::missingFileChangesNothingAndSaysNothing()
{
    Fixture w;
    const QStringList before = w.snapshot();
    const QFont fontBefore = w.font();
    IniFile ini(AppPaths::settingsPath());
    QCOMPARE(LanguageSetter::apply(&w, m_home->file(QStringLiteral("None.txt")), false, &ini, report(false)),
             LanguageSetter::Result::Missing);
    QCOMPARE(w.snapshot(), before);
    QCOMPARE(w.font(), fontBefore);
    QVERIFY(m_messages->texts.isEmpty());
    QVERIFY(LanguageSetter::CheckLanguageFile(m_home->file(QStringLiteral("None.txt")), report(false)));
}

void LanguageSetterTest::windowFontFollowsTheLanguage()
{
    const QString path = write(utf16File({header}));
    IniFile ini(AppPaths::settingsPath());
    Fixture w;
    LanguageSetter::apply(&w, path, false, &ini, report(false));
    QCOMPARE(w.font().family(), QStringLiteral("Courier New"));
    QCOMPARE(w.font().pointSize(), 12);
    LanguageSetter::apply(&w, path, true, &ini, report(true));
    QCOMPARE(w.font().family(), J(u"ＭＳ ゴシック"));
    QCOMPARE(w.font().pointSize(), 14);
    ini.writeString(QStringLiteral("SystemFontEng"), QStringLiteral("Name"), QStringLiteral("DejaVu Sans"));
    ini.writeInteger(QStringLiteral("SystemFontEng"), QStringLiteral("Size"), 9);
    LanguageSetter::apply(&w, path, false, &ini, report(false));
    QCOMPARE(w.font().family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(w.font().pointSize(), 9);
}

void LanguageSetterTest::coverageCheckNamesUntranslatedControls()
{
    Fixture w;
    w.open->setObjectName(QStringLiteral("MenuOpen"));
    const QStringList full{
        header,
        line(1000, "1", "Caption", QStringLiteral("m"), QStringLiteral("m")),
        line(2001, "1", "Caption", QStringLiteral("l"), QStringLiteral("l")),
        line(2201, "1", "Caption", QStringLiteral("b"), QStringLiteral("b")),
        line(2601, "1", "Caption", QStringLiteral("p"), QStringLiteral("p")),
        line(2801, "1", "Caption", QStringLiteral("f"), QStringLiteral("f")),
        line(4001, "1", "Item", QStringLiteral("i"), QStringLiteral("i")),
        line(5001, "1", "Caption", QStringLiteral("r"), QStringLiteral("r")),
        line(5001, "1", "Item", QStringLiteral("r"), QStringLiteral("r")),
        line(6001, "1", "Caption", QStringLiteral("c"), QStringLiteral("c")),
        line(7001, "1", "Item", QStringLiteral("c"), QStringLiteral("c")),
        line(7002, "1", "Item", QStringLiteral("c"), QStringLiteral("c")),
        line(8001, "1", "Text", QStringLiteral("t"), QStringLiteral("t")),
    };
    // 1001 is missing, 5001 has no items, and a flag-0 line does not count.
    QStringList lines = full;
    lines.append(line(1001, "0", "Caption", QStringLiteral("o"), QStringLiteral("o")));
    lines.removeAt(8);
    QCOMPARE(LanguageSetter::uncoveredTags(&w, write(utf16File(lines))),
             (QStringList{QStringLiteral("1001 Caption (MenuOpen)"), QStringLiteral("5001 Item ()")}));
    lines = full;
    lines.append(line(1001, "1", "Caption", QStringLiteral("o"), QStringLiteral("o")));
    QCOMPARE(LanguageSetter::uncoveredTags(&w, write(utf16File(lines))), QStringList());
    // A tag on a control no line can reach is reported too.
    w.untagged->setProperty("tag", 6002);
    QCOMPARE(LanguageSetter::uncoveredTags(&w, write(utf16File(lines))).size(), 1);
}

void LanguageSetterTest::developerKeysSwitchOneWindow()
{
    Fixture w;
    QList<bool> calls;
    LanguageSetter::installDeveloperKeys(&w, [&calls](bool japanese) { calls.append(japanese); });
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::keyClick(&w, Qt::Key_E, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_J, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier); // not without Shift
    QCOMPARE(calls, (QList<bool>{false, true}));
}

QTEST_MAIN(LanguageSetterTest)
#include "LanguageSetter_test.moc"
