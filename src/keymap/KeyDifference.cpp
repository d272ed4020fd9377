#include "KeyDifference.h"

#include "KeyChange.h"
#include "KeyText.h"
#include "Utf16TextFile.h"

#include <QFile>

namespace quillon {

DifferenceRead KeyDifference::read(const QString &path)
{
    DifferenceRead r;
    QFile f(path);
    r.exists = f.exists();
    if (!r.exists)
        return r;
    if (!f.open(QIODevice::ReadOnly)) {
        r.error = f.errorString();
        return r;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        r.error = f.errorString();
        return r;
    }
    r.readable = true;
    r.lines = Utf16TextFile::splitLines(Utf16TextFile::decode(bytes));
    return r;
}

QList<DifferenceProblem> KeyDifference::apply(QStringList &map, const QStringList &lines)
{
    QList<DifferenceProblem> problems;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (line.trimmed().isEmpty())
            continue;
        const int lineNumber = i + 1;
        if (line.count(u'\t') < 3) {
            problems.append({DifferenceProblem::Kind::Incomplete, lineNumber, line});
            continue;
        }
        const KeyMapFields f = KeyText::splitKeyMapLine(line);
        const qsizetype index = KeyChange::indexOfCode(map, f.code);
        if (index < 0) {
            problems.append({DifferenceProblem::Kind::UnknownCode, lineNumber, f.code.toString()});
            continue;
        }
        QString key;
        if (!f.keyText.trimmed().isEmpty()) {
            const ShortCutValue value = KeyText::read(f.keyText);
            if (value == 0) {
                problems.append({DifferenceProblem::Kind::UnknownKey, lineNumber, f.keyText.toString()});
                continue;
            }
            key = KeyText::write(value);
        }
        map[index] = KeyChange::withKey(map[index], key);
    }
    return problems;
}

} // namespace quillon
