#include "PathMatch.h"

namespace quillon::PathMatch {

namespace {
constexpr char16_t asciiUpper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}
} // namespace

bool samePath(QStringView a, QStringView b)
{
    if (a.size() != b.size() || a.isEmpty())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i].unicode()) != asciiUpper(b[i].unicode()))
            return false;
    }
    return true;
}

} // namespace quillon::PathMatch
