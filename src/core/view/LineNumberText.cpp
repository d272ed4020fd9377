#include "LineNumberText.h"

#include <algorithm>
#include <cstdio>

namespace quillon {

namespace {

int formatInto(char *out, size_t size, int number, int lineZero)
{
    const int n = std::snprintf(out, size, lineZero != 0 ? "%.6d" : "%6d", number);
    return n < 0 ? 0 : std::min<int>(n, int(size) - 1);
}

} // namespace

QString LineNumberText::format(int number, int lineZero)
{
    char buf[16];
    const int n = formatInto(buf, sizeof buf, number, lineZero);
    return QString::fromLatin1(buf, n);
}

} // namespace quillon
