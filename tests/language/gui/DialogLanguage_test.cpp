// Every dialog the main window opens applies its own language file when it is
// shown: each of its tags has a line there, and in English it shows English.
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
    QTest::newRow("go to line") << QStringLiteral("1221") << QStringLiteral("Jump.txt")
                                << QStringLiteral("quillon::TFormJump");
    QTest::newRow("scroll amounts") << QStringLiteral("1711") << QStringLiteral("PageSetting.txt")
                                    << QStringLiteral("quillon::TFormPageSetting");
    QTest::newRow("find") << QStringLiteral("1101") << QStringLiteral("Find.txt") << QStringLiteral("quillon::TFormFind");
}

void DialogLanguageTest::dialogs()
{
    QFETCH(QString, code);
    QFETCH(QString, file);
    QFETCH(QString, className);
    test::TempHome home;
    MessageRecorder messages;
    installShippedLanguageFiles();
    IniFile ini(AppPaths::settingsPath());
    ini.createIfMissing();
    ini.writeBool(QStringLiteral("Language"), QStringLiteral("Japanese"), false);
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
    // English: no Japanese left on its buttons.
    for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>()) {
        if (!b->isVisible() || b->text().isEmpty())
            continue;
        for (QChar c : b->text())
            QVERIFY2(c.unicode() < 0x3000, qPrintable(b->text()));
    }
    dialog->close();
}

QTEST_MAIN(DialogLanguageTest)
#include "DialogLanguage_test.moc"
