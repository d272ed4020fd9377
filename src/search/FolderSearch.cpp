#include "FolderSearch.h"

#include "TextLoader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace quillon {

namespace {

inline bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
inline char16_t asciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c; }

QString asciiUpper(QStringView s)
{
    QString out = s.toString();
    for (QChar &c : out)
        c = QChar(asciiUpper(c.unicode()));
    return out;
}

// From the last ".", dot included; empty without a dot.
QStringView extensionOf(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QStringView() : name.sliced(dot);
}

// A run of digits at i: its value compared by length without leading zeros,
// then digit by digit.
int compareDigitRuns(QStringView a, qsizetype &i, QStringView b, qsizetype &j)
{
    qsizetype ie = i, je = j;
    while (ie < a.size() && isDigit(a[ie].unicode()))
        ++ie;
    while (je < b.size() && isDigit(b[je].unicode()))
        ++je;
    qsizetype ia = i, jb = j;
    while (ia < ie - 1 && a[ia] == u'0')
        ++ia;
    while (jb < je - 1 && b[jb] == u'0')
        ++jb;
    int result = 0;
    if (ie - ia != je - jb) {
        result = ie - ia < je - jb ? -1 : 1;
    } else {
        for (qsizetype k = 0; k < ie - ia; ++k) {
            if (a[ia + k] != b[jb + k]) {
                result = a[ia + k] < b[jb + k] ? -1 : 1;
                break;
            }
        }
    }
    i = ie;
    j = je;
    return result;
}

QString reasonText(const LoadedText &loaded, bool japanese)
{
    switch (loaded.status) {
    case LoadedText::Status::Missing:
        return japanese ? QString::fromUtf16(u"ファイルが見つかりません") : QStringLiteral("File not found.");
    case LoadedText::Status::TooLarge:
        return japanese ? QString::fromUtf16(u"ファイルが大きすぎます") : QStringLiteral("File is too large.");
    default:
        return japanese ? loaded.reasonJapanese : loaded.reasonEnglish;
    }
}

} // namespace

int FolderSearch::naturalCompare(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char16_t ca = a[i].unicode(), cb = b[j].unicode();
        if (isDigit(ca) && isDigit(cb)) {
            if (const int r = compareDigitRuns(a, i, b, j))
                return r;
            continue;
        }
        const char16_t ua = asciiUpper(ca), ub = asciiUpper(cb);
        if (ua != ub)
            return ua < ub ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return QStringView(a).compare(b, Qt::CaseSensitive) < 0 ? -1 : (a == b ? 0 : 1);
}

QStringList FolderSearch::listFiles(const QString &loadedPath)
{
    const QFileInfo loaded(loadedPath);
    // The folder as the path writes it ("." for a bare name, "" for the root).
    const qsizetype slash = loadedPath.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QStringLiteral(".") : loadedPath.left(slash);
    const QString wanted = asciiUpper(extensionOf(loaded.fileName()));
    // Regular files only: a FIFO or a device would block or never end.
    QDir dir(folder.isEmpty() ? QStringLiteral("/") : folder);
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::NoSort);
    QStringList kept;
    for (const QString &name : std::as_const(names)) {
        if (asciiUpper(extensionOf(name)) == wanted)
            kept.append(name);
    }
    std::sort(kept.begin(), kept.end(),
              [](const QString &x, const QString &y) { return naturalCompare(x, y) < 0; });
    QStringList paths;
    paths.reserve(kept.size());
    for (const QString &name : std::as_const(kept))
        paths.append(folder + u'/' + name);
    return paths;
}

QString FolderSearch::resultLine(const QString &path, int line, int column, QStringView text)
{
    QString s;
    s.reserve(path.size() + text.size() + 24);
    s += path;
    s += u"*(";
    s += QString::number(line);
    s += u")[";
    s += QString::number(column);
    s += u']';
    s += text;
    return s;
}

FolderFileOutcome FolderSearch::searchFile(const QString &path, QStringView word, TSearchOptions options)
{
    FolderFileOutcome out;
    out.path = path;
    const LoadedText loaded = TextLoader::load(path, 0, QString());
    if (!loaded.ok()) {
        out.status = FolderFileOutcome::Status::CannotRead;
        out.reason = {reasonText(loaded, true), reasonText(loaded, false)};
        return out;
    }
    const TextBuffer &buffer = *loaded.buffer;
    if (buffer.isEmpty())
        return out;
    TSearchInfo info;
    QStringList offsets;
    const SearchResult r = SearchAll(buffer.text(), info, word, offsets, options);
    if (r.failed())
        out.error = r.error;
    out.lines.reserve(offsets.size());
    for (const QString &o : std::as_const(offsets)) {
        const int offset = o.toInt();
        const int line = buffer.lineOf(offset);
        out.lines.append(resultLine(path, line + 1, offset - buffer.lineStart(line) + 1, buffer.line(line)));
    }
    return out;
}

bool FolderSearch::hitInResultLine(QStringView line, QStringView word, TSearchOptions options, int *start,
                                   int *length)
{
    // The "*" that begins "(line)[column]": a name may hold a "*" of its own.
    for (qsizetype star = line.indexOf(u'*'); star >= 0; star = line.indexOf(u'*', star + 1)) {
        const QStringView rest = line.sliced(star + 1);
        const qsizetype open = rest.indexOf(u'[');
        const qsizetype close = rest.indexOf(u']');
        if (!rest.startsWith(u'(') || open < 0 || close < open)
            continue;
        bool ok = false;
        const int column = rest.sliced(open + 1, close - open - 1).toInt(&ok);
        if (!ok || column < 1)
            continue;
        const qsizetype textStart = star + 1 + close + 1;
        const qsizetype hit = std::min<qsizetype>(textStart + column - 1, line.size());
        qsizetype len = std::min<qsizetype>(word.size(), line.size() - hit);
        // The match itself decides the length where it can be found again.
        LineMatcher matcher(word, options);
        TSearchInfo info;
        const QStringView text = line.sliced(textStart);
        if (matcher.first(text, info, int(hit - textStart)) && info.Start == hit - textStart)
            len = info.Length;
        *start = int(hit);
        *length = int(len);
        return true;
    }
    return false;
}

MessageText FolderSearch::limitMessage()
{
    const QString n = QString::number(LineLimit);
    return {QString::fromUtf16(u"Information : 検索結果の行数が ") + n + QString::fromUtf16(u" 行を超えたので")
                + QStringLiteral("\r\n") + QString::fromUtf16(u"途中までの検索結果を表示します"),
            QStringLiteral("Information : The line number of search word is more than ") + n
                + QStringLiteral(".\r\nShow results in the middle.\r\n[OK]")};
}

MessageText FolderSearch::stoppedMessage()
{
    return {QString::fromUtf16(u"Information : 途中までの検索結果を表示します"),
            QStringLiteral("Information : Show results in the middle.\r\n[OK]")};
}

MessageText FolderSearch::continueQuestion()
{
    return {QString::fromUtf16(u"Information : 一括検索を継続しますか？"),
            QStringLiteral("Information : Continue search all files ?\r\n[YES] / [NO]")};
}

MessageText FolderSearch::skipMessage(const FolderFileOutcome &outcome)
{
    return {QString::fromUtf16(u"Information : ファイルを読み込めないので\r\nこのファイルの処理をスキップします\r\n")
                + outcome.path + QStringLiteral("\r\n") + outcome.reason.japanese,
            QStringLiteral("Information : Skip this file, because of the file can not read.\r\n") + outcome.path
                + QStringLiteral("\r\n") + outcome.reason.english + QStringLiteral("\r\n[OK]")};
}

bool FolderSearchCollector::add(const FolderFileOutcome &outcome)
{
    ++filesDone;
    if (limitReached)
        return false;
    for (const QString &line : outcome.lines) {
        lines.append(line);
        if (lines.size() > FolderSearch::LineLimit) {
            limitReached = true;
            return false;
        }
    }
    return true;
}

} // namespace quillon
