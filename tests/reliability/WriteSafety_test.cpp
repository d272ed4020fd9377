// The files the program keeps survive a killed writer and a second viewer:
// a writer process is killed (SIGKILL) at random moments of many writes and
// the file is always one whole version, old or new; two processes writing
// the same settings file at once lose none of each other's keys.
#include "WriterVersions.h"

#include "IniFile.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

using namespace quillon;

namespace {

const QString writer = QStringLiteral(QUILLON_FILE_WRITER);

// Starts the writer and waits until it reports `versions` writes done.
bool startAndWaitFor(QProcess &p, const QStringList &args, int versions)
{
    p.start(writer, args);
    if (!p.waitForStarted(10000))
        return false;
    int done = 0;
    QByteArray out;
    while (done < versions) {
        if (!p.waitForReadyRead(10000))
            return false;
        out += p.readAllStandardOutput();
        done = int(out.count('\n'));
    }
    return true;
}

void killAtRandom(QProcess &p)
{
    // Somewhere inside one of the next writes (each takes about a millisecond).
    std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(3000)));
    ::kill(pid_t(p.processId()), SIGKILL);
    p.waitForFinished(10000);
}

int settingsVersion(const QString &path)
{
    IniFile ini(path);
    const int v = ini.readInteger(QStringLiteral("Run"), QStringLiteral("Version"), 0);
    for (const auto &[key, value] : test::versionKeys(v)) {
        if (ini.readString(QStringLiteral("Run"), key, QString()) != value)
            return 0;
    }
    return v;
}

} // namespace

TEST(KilledWriter, LeavesAWholeTextFileOldOrNew)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillon-History.txt"));
    for (int round = 0; round < 40; ++round) {
        QProcess p;
        ASSERT_TRUE(startAndWaitFor(p, {QStringLiteral("text"), path}, 1 + round % 4));
        killAtRandom(p);
        bool ok = false;
        const QStringList lines = Utf16TextFile::readLines(path, &ok);
        ASSERT_TRUE(ok) << "round " << round;
        ASSERT_GT(test::wholeVersion(lines), 0) << "round " << round << ": " << lines.size() << " lines";
    }
}

TEST(KilledWriter, LeavesAWholeSettingsFileAndTheNextWriteGoesThrough)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillon.ini"));
    for (int round = 0; round < 40; ++round) {
        QProcess p;
        ASSERT_TRUE(startAndWaitFor(p, {QStringLiteral("ini"), path}, 1 + round % 4));
        killAtRandom(p);
        const int v = settingsVersion(path);
        ASSERT_GT(v, 0) << "round " << round;
        // The lock the killed writer may have held does not stop the next one.
        IniFile ini(path);
        ASSERT_TRUE(ini.writeInteger(QStringLiteral("Other"), QStringLiteral("Round"), round));
        EXPECT_EQ(settingsVersion(path), v);
        EXPECT_EQ(ini.readInteger(QStringLiteral("Other"), QStringLiteral("Round"), -1), round);
    }
}

// A viewer killed while making the lock file leaves it empty. The next write
// takes it over at once instead of waiting for it to go stale (the window
// would hang meanwhile).
TEST(KilledWriter, AnEmptyLockFileDoesNotHoldUpTheNextWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillon.ini"));
    QFile lock(path + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-2), QFileDevice::FileModificationTime));
    lock.close();
    QElapsedTimer clock;
    clock.start();
    IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 5));
    EXPECT_LT(clock.elapsed(), 5000); // a stale lock by age takes 10 s
    EXPECT_EQ(ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 0), 5);
}

// Each process writes its own keys; every key of both is in the file at the end.
TEST(TwoViewers, WritingKeysAtOnceLoseNone)
{
    struct Mode {
        const char *mode;
        int keys;
        int rounds;
    };
    for (const Mode m : {Mode{"keys", 1000, 1}, Mode{"batch", 150, 20}}) {
        for (int round = 0; round < m.rounds; ++round) {
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("Quillon.ini"));
            QProcess a, b;
            a.start(writer, {QString::fromLatin1(m.mode), path, QStringLiteral("FormMain"), QString::number(m.keys)});
            b.start(writer, {QString::fromLatin1(m.mode), path, QStringLiteral("ViewGrid"), QString::number(m.keys)});
            ASSERT_TRUE(a.waitForFinished(300000) && b.waitForFinished(300000));
            ASSERT_EQ(a.exitCode(), 0);
            ASSERT_EQ(b.exitCode(), 0);
            IniFile ini(path);
            int missing = 0;
            for (const char *section : {"FormMain", "ViewGrid"}) {
                for (int i = 0; i < m.keys; ++i) {
                    if (ini.readInteger(QString::fromLatin1(section), QStringLiteral("Key%1").arg(i), -1) != i)
                        ++missing;
                }
            }
            ASSERT_EQ(missing, 0) << m.mode << " round " << round;
        }
    }
}
