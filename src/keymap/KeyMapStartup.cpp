#include "KeyMapStartup.h"

#include "KeyMapFile.h"

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
