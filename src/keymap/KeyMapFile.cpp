#include "KeyMapFile.h"

#include "KeyText.h"

#include <QFile>
#include <QHash>
#include <QFileInfo>

namespace quillon {

KeyMapFileNames KeyMapFileNames::mainWindow()
{
    return {QStringLiteral("Quillon-KeyMap.txt"), QStringLiteral("Quillon-KeyDiff.txt")};
}

KeyMapFileNames KeyMapFileNames::findAllWindow()
{
    return {QStringLiteral("Quillon-KeyMapFindAll.txt"), QStringLiteral("Quillon-KeyDiffFindAll.txt")};
}

QString KeyMapFile::decode(const QByteArray &bytes)
{
    return Utf16TextFile::decodeUtf16Le(bytes);
}

QStringList KeyMapFile::splitLines(const QString &text)
{
    return Utf16TextFile::splitLines(text);
}

QStringList KeyMapFile::read(const QString &path, bool *ok)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (ok)
            *ok = false;
        return {};
    }
    const QByteArray bytes = f.readAll();
    const bool good = f.error() == QFileDevice::NoError;
    if (ok)
        *ok = good;
    return good ? splitLines(decode(bytes)) : QStringList();
}

WriteResult KeyMapFile::write(const QString &path, const QStringList &lines)
{
    return Utf16TextFile::writeLines(path, lines);
}

void KeyMapFile::GetFunctionList(const QStringList &SrcList, QStringList &DstList)
{
    DstList.clear();
    DstList.reserve(SrcList.size());
    for (const QString &line : SrcList)
        DstList.append(KeyText::splitKeyMapLine(line).code.toString());
    DstList.sort(Qt::CaseSensitive);
    DstList.removeDuplicates();
}

QStringList KeyMapFile::difference(const QStringList &keyMap, const QStringList &defaults)
{
    QStringList out;
    for (const QString &line : keyMap) {
        const KeyMapFields mine = KeyText::splitKeyMapLine(line);
        for (const QString &d : defaults) {
            const KeyMapFields def = KeyText::splitKeyMapLine(d);
            if (def.code != mine.code)
                continue;
            if (def.keyText != mine.keyText)
                out.append(line);
            break;
        }
    }
    return out;
}

void KeyMapFile::applyDifference(QStringList &keyMap, const QStringList &diff)
{
    // Each change goes to the first line of its code. A changed line keeps its
    // code, so the lines are looked up once instead of once per change.
    QHash<QString, qsizetype> lineOfCode;
    lineOfCode.reserve(keyMap.size());
    for (qsizetype i = keyMap.size() - 1; i >= 0; --i) // the first line of a code is put last
        lineOfCode.insert(KeyText::splitKeyMapLine(keyMap.at(i)).code.toString(), i);
    for (const QString &d : diff) {
        const KeyMapFields changed = KeyText::splitKeyMapLine(d);
        const auto found = lineOfCode.constFind(changed.code.toString());
        if (found == lineOfCode.cend())
            continue;
        QString &line = keyMap[*found];
        const KeyMapFields mine = KeyText::splitKeyMapLine(line);
        line = mine.category.toString() + u'\t' + mine.name.toString() + u'\t' + changed.keyText.toString()
            + u'\t' + mine.code.toString();
    }
}

WriteResult KeyMapFile::writeDifference(const QString &path, const QStringList &keyMap, const QStringList &defaults)
{
    return write(path, difference(keyMap, defaults));
}

bool KeyMapFile::readDifference(const QString &path, QStringList &keyMap)
{
    if (!QFileInfo::exists(path))
        return false;
    bool ok = false;
    const QStringList diff = read(path, &ok);
    if (!ok)
        return false;
    applyDifference(keyMap, diff);
    return true;
}

} // namespace quillon
