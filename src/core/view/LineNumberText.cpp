#include "LineNumberText.h"

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

std::shared_ptr<const TextBuffer> LineNumberText::build(int count, int lineZero)
{
    count = std::max(count, 0);
    TextSink sink(qsizetype(count) * 8);
    char buf[16];
    for (int i = 1; i <= count; ++i) {
        const int n = formatInto(buf, sizeof buf, i, lineZero);
        sink.putLatin1(buf, n);
        if (i < count)
            sink.putLatin1("\r\n", 2);
    }
    return std::make_shared<const TextBuffer>(sink.finish());
}

} // namespace quillon
