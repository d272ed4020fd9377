// Any settings file, however damaged, reads without a crash, and a write
// after reading it gives a file that reads the written key back.
#include "IniFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Quillon.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            return 0;
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    quillon::IniFile ini(path);
    (void)ini.readString(QStringLiteral("Editor"), QStringLiteral("FontNameReadOnly"));
    (void)ini.readColor(QStringLiteral("Editor"), QStringLiteral("KigouColor"), 0);
    (void)ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 0);
    ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 42);
    if (ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 0) != 42)
        std::abort();
    return 0;
}
