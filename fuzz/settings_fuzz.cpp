// Any settings file, however damaged, reads without a crash (ours, and the
// filer's for its look), and a write after reading it gives a file that reads
// the written key back.
#include "HarbekanLook.h"
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
    // The filer's settings file, read for its look: any content gives a look.
    (void)quillon::HarbekanLook::read(path);
    quillon::IniFile ini(path);
    (void)ini.readString(QStringLiteral("Editor"), QStringLiteral("FontNameReadOnly"));
    (void)ini.readColor(QStringLiteral("Editor"), QStringLiteral("KigouColor"), 0);
    (void)ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 0);
    ini.writeInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 42);
    if (ini.readInteger(QStringLiteral("FormMain"), QStringLiteral("Left"), 0) != 42)
        std::abort();
    return 0;
}
