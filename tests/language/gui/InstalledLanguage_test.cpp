// An installed program: the user's folder starts empty and the window takes its
// texts from the shipped language files in the data folder, unless the user's
// folder holds a file of the same name.
#include "support/Settle.h"

#include "AppPaths.h"
#include "IniFile.h"
#include "LanguageFile.h"
#include "MessageService.h"
#include "TFormMain.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillon;

namespace {

const QString shippedData = QDir::cleanPath(QStringLiteral(QUILLON_TEST_DATA "/../../data"));

class InstalledFolders {
public:
    InstalledFolders()
    {
        AppPaths::setFoldersForTesting({m_config.filePath(QStringLiteral("Quillon")), shippedData, true});
        QDir().mkpath(AppPaths::programDir());
        IniFile(AppPaths::settingsPath()).writeBool(QStringLiteral("Language"), QStringLiteral("Japanese"), false);
    }
    ~InstalledFolders() { AppPaths::setProgramDirForTesting(QString()); }
    InstalledFolders(const InstalledFolders &) = delete;
    InstalledFolders &operator=(const InstalledFolders &) = delete;

private:
    QTemporaryDir m_config;
};

QString openText()
{
    MessageRecorder messages;
    TFormMain w({});
    w.show();
    if (!test::settled(w))
        return QStringLiteral("(not settled)");
    return messages.texts.isEmpty() ? w.commandAction(u"1001")->text() : messages.texts.join(u'|');
}

} // namespace

class InstalledLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void shippedFilesServeAnEmptyUserFolder();
    void theUsersOwnFileComesFirst();
};

void InstalledLanguageTest::shippedFilesServeAnEmptyUserFolder()
{
    InstalledFolders folders;
    QCOMPARE(LanguageFile::path(QStringLiteral("Main.txt")), shippedData + QStringLiteral("/Language/Quillon/Main.txt"));
    QCOMPARE(openText(), QStringLiteral("&Open..."));
    // The start made the user's language folders but copied nothing into them.
    QVERIFY(QDir(AppPaths::programLanguageDir()).exists());
    QVERIFY(QDir(AppPaths::programLanguageDir()).isEmpty());
}

void InstalledLanguageTest::theUsersOwnFileComesFirst()
{
    InstalledFolders folders;
    QFile shipped(shippedData + QStringLiteral("/Language/Quillon/Main.txt"));
    QVERIFY(shipped.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf16(reinterpret_cast<const char16_t *>(shipped.readAll().constData() + 2),
                                      (shipped.size() - 2) / 2);
    QVERIFY(text.contains(QStringLiteral("\t&Open...")));
    text.replace(QStringLiteral("\t&Open..."), QStringLiteral("\t&Open mine..."));
    QDir().mkpath(AppPaths::programLanguageDir());
    QFile own(AppPaths::programLanguageDir() + QStringLiteral("/Main.txt"));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.write("\xFF\xFE");
    own.write(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    own.close();
    QCOMPARE(openText(), QStringLiteral("&Open mine..."));
}

QTEST_MAIN(InstalledLanguageTest)
#include "InstalledLanguage_test.moc"
