// Every dialog the main window opens applies its own language file when it is
// shown: each of its tags has a line there, in English it shows English, and
// in either language no two of its controls share an access key.
#include "support/Mnemonics.h"
#include "support/Settle.h"
#include "support/TempHome.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "MessageService.h"
#include "TFormJump.h"
#include "TFormMain.h"
#include "TFormPageSetting.h"
#include "LanguageFile.h"
#include "LanguageSetter.h"
#include "TFormFind.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace quillon;

namespace {

void installShippedLanguageFiles()
{
    QDir().mkpath(AppPaths::programLanguageDir());
    // Spelled out textually: tests/data need not exist for the path to resolve.
    const QDir shipped(QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../data/Language/Quillon")));
    for (const QString &name : shipped.entryList({QStringLiteral("*.txt")}, QDir::Files))
        QFile::copy(shipped.filePath(name), LanguageFile::path(name));
}

} // namespace

class DialogLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void dialogs_data();
    void dialogs();
};

void DialogLanguageTest::dialogs_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("className");
    QTest::addColumn<bool>("japanese");
    struct Dialog {
        const char *name;
        const char *code;
        const char *file;
        const char *className;
    };
    for (const Dialog &d : {Dialog{"go to line", "1221", "Jump.txt", "quillon::TFormJump"},
                            Dialog{"scroll amounts", "1711", "PageSetting.txt", "quillon::TFormPageSetting"},
                            Dialog{"find", "1101", "Find.txt", "quillon::TFormFind"},
                            Dialog{"keyboard", "1701", "KeyBoard.txt", "quillon::TFormKeyBoard"}}) {
        for (bool japanese : {false, true}) {
            QTest::addRow("%s, %s", d.name, japanese ? "Japanese" : "English")
                << QString::fromLatin1(d.code) << QString::fromLatin1(d.file) << QString::fromLatin1(d.className)
                << japanese;
        }
    }
}

void DialogLanguageTest::dialogs()
{
    QFETCH(QString, code);
    QFETCH(QString, file);
    QFETCH(QString, className);
    QFETCH(bool, japanese);
    test::TempHome home;
    MessageRecorder messages;
    installShippedLanguageFiles();
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();
    ini.writeBool(QStringLiteral("Language"), QStringLiteral("Japanese"), japanese);
    const QString text = home.write(QStringLiteral("t.txt"), QByteArray("one two\r\n"));

    TFormMain w({text});
    w.show();
    QVERIFY(test::settled(w));
    const std::optional<CommandCode> command = CommandCode::fromText(code);
    QVERIFY(command);
    w.runCommand(*command);
    QWidget *dialog = nullptr;
    QTRY_VERIFY((dialog = [&]() -> QWidget * {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && className == QLatin1String(top->metaObject()->className()))
                return top;
        }
        return nullptr;
    }()) != nullptr);
    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('|'))));
    const QStringList uncovered = LanguageSetter::uncoveredTags(dialog, LanguageFile::path(file));
    QVERIFY2(uncovered.isEmpty(), qPrintable(uncovered.join(QStringLiteral(", "))));
    const QStringList clashes = test::mnemonicClashes(dialog);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    // English: no Japanese left on its buttons.
    for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>()) {
        if (japanese || !b->isVisible() || b->text().isEmpty())
            continue;
        for (QChar c : b->text())
            QVERIFY2(c.unicode() < 0x3000, qPrintable(b->text()));
    }
    dialog->close();
}

QTEST_MAIN(DialogLanguageTest)
#include "DialogLanguage_test.moc"
