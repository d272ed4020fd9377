// A writer process for the crash and concurrency tests: it writes the files
// the program keeps the way the program writes them, and says after each
// write how far it got, so a test can kill it in the middle of the next one.
//
//   file_writer text PATH          versions 1, 2, ... of a whole file, forever
//   file_writer ini PATH           versions of a settings file's keys, forever
//   file_writer keys PATH SECTION N   N keys, one write each
//   file_writer batch PATH SECTION N  N keys in one write, as a window's close does
#include "IniFile.h"
#include "WriterVersions.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

using namespace quillon;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2)
        return 2;
    const QString &mode = args[0];
    const QString &path = args[1];

    if (mode == u"text") {
        for (int v = 1;; ++v) {
            if (!Utf16TextFile::writeLines(path, test::versionLines(v)).ok)
                return 1;
            std::printf("%d\n", v);
            std::fflush(stdout);
        }
    }
    if (mode == u"ini") {
        IniFile ini(path);
        for (int v = 1;; ++v) {
            IniBatch batch(ini);
            for (const auto &[key, value] : test::versionKeys(v))
                batch.writeString(QStringLiteral("Run"), key, value);
            if (!batch.commit())
                return 1;
            std::printf("%d\n", v);
            std::fflush(stdout);
        }
    }
    if ((mode == u"keys" || mode == u"batch") && args.size() == 4) {
        IniFile ini(path);
        const QString &section = args[2];
        const int n = args[3].toInt();
        if (mode == u"keys") {
            for (int i = 0; i < n; ++i) {
                if (!ini.writeInteger(section, QStringLiteral("Key%1").arg(i), i))
                    return 1;
            }
            return 0;
        }
        IniBatch batch(ini);
        for (int i = 0; i < n; ++i)
            batch.writeInteger(section, QStringLiteral("Key%1").arg(i), i);
        return batch.commit() ? 0 : 1;
    }
    return 2;
}
