#include "WordFinder.h"

#include "TextViewGeometry.h"

#include <algorithm>

namespace quillon {

namespace {

int charClass(char32_t cp)
{
    if (cp == U'_' || QChar::isLetterOrNumber(cp))
        return 1;
    if (QChar::isSpace(cp) || cp < 0x20)
        return 0;
    return 2;
}

} // namespace

bool WordFinder::isDelimiter(QChar c)
{
    static constexpr char16_t delimiters[] = u" ;:()[]{},.\t\u3000；：（）｛｝［「」、。，．【】";
    for (char16_t d : delimiters) {
        if (d != 0 && c.unicode() == d)
            return true;
    }
    return false;
}

WordFinder::Span WordFinder::betweenDelimiters(QStringView line, int column, Before before)
{
    const int size = int(line.size());
    column = std::clamp(column, 0, size);
    // A column inside a surrogate pair counts as before the pair.
    if (column > 0 && column < size && line[column].isLowSurrogate() && line[column - 1].isHighSurrogate())
        --column;

    int start = 0; // all of the text before the column, unless a delimiter is in reach
    const int floor = before == Before::WholeLine ? 0 : std::max(0, column - SearchLimit);
    for (int i = column - 1; i >= floor; --i) {
        if (isDelimiter(line[i])) {
            start = i + 1;
            break;
        }
    }

    const int ceiling = std::min(size, column + SearchLimit);
    int end = ceiling;
    for (int i = column; i < ceiling; ++i) {
        if (isDelimiter(line[i])) {
            end = i;
            break;
        }
    }
    // The limit may fall between the halves of a pair: take the pair whole.
    if (end > column && end < size && line[end - 1].isHighSurrogate() && line[end].isLowSurrogate())
        ++end;
    return {start, end - start};
}

WordFinder::Span WordFinder::runAt(QStringView line, int column)
{
    using G = TextViewGeometry;
    const int n = int(line.size());
    column = G::snapPosition(line, column);
    if (n == 0)
        return {column, 0};
    // Take the character under the caret, or the one before it at the end.
    int at = column < n ? column : G::previousPosition(line, column);
    if (column > 0 && column < n && charClass(G::codePointAt(line, at)) == 0)
        at = G::previousPosition(line, column);
    const int cls = charClass(G::codePointAt(line, at));
    int start = at;
    while (start > 0) {
        const int p = G::previousPosition(line, start);
        if (charClass(G::codePointAt(line, p)) != cls)
            break;
        start = p;
    }
    int end = at;
    while (end < n && charClass(G::codePointAt(line, end)) == cls)
        end += G::charLength(line, end);
    return {start, end - start};
}

} // namespace quillon
