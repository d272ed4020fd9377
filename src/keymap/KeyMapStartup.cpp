#include "KeyMapStartup.h"

#include "KeyMapFile.h"

#include <QDir>
#include <QFileInfo>

namespace quillon {

KeyMapReconciliation KeyMapStartup::reconcile(const QString &keyMapPath, const QStringList &catalogue)
{
    KeyMapReconciliation r;
    r.StrListKeyMapOriginal = catalogue;
    if (QFileInfo::exists(keyMapPath)) {
        const QStringList file = KeyMapFile::read(keyMapPath);
        if (file.size() == catalogue.size()) {
            KeyMapFile::GetFunctionList(file, r.StrListKeyMapCheck1);
            KeyMapFile::GetFunctionList(catalogue, r.StrListKeyMapCheck2);
            // Equal only when both code sets match element by element.
            r.BoolKeyMapSame = r.StrListKeyMapCheck1 == r.StrListKeyMapCheck2;
        } else {
            r.BoolKeyMapSame = false;
        }
        if (!r.BoolKeyMapSame) {
            r.StrListKeyMap = catalogue;
            r.writeResult = KeyMapFile::write(keyMapPath, r.StrListKeyMap);
            r.fileWritten = true;
        }
    } else {
        r.StrListKeyMap = catalogue;
        r.writeResult = KeyMapFile::write(keyMapPath, r.StrListKeyMap);
        r.fileWritten = true;
        r.BoolKeyMapSame = true;
    }
    return r;
}

MessageText KeyMapStartup::writeFailedMessage(const QString &keyMapPath, const QString &reason)
{
    const QString shown = QDir::toNativeSeparators(keyMapPath);
    return {QString::fromUtf16(u"Error : キー割り当てファイルに書き込めません。既定のキー割り当てを使います\r\n") + shown
                + QStringLiteral("\r\n") + reason,
            QStringLiteral("Error : Key board map file can not write, so the default keys are used.\r\n") + shown
                + QStringLiteral("\r\n") + reason + QStringLiteral("\r\n[OK]")};
}

QStringList KeyMapStartup::loadOrWrite(const QString &keyMapPath, const QStringList &current, WriteResult *writeResult)
{
    if (QFileInfo::exists(keyMapPath)) {
        bool ok = false;
        const QStringList lines = KeyMapFile::read(keyMapPath, &ok);
        return ok ? lines : current;
    }
    const WriteResult w = KeyMapFile::write(keyMapPath, current);
    if (writeResult)
        *writeResult = w;
    return current;
}

} // namespace quillon
