// The search expression builder and the engine: any word with any options
// compiles or gives a pattern error, runs within the match limit on a short
// subject, and finds only matches inside the subject. A literal word with
// case matched is found exactly where a plain text search finds it.
#include "FuzzInput.h"
#include "SearchEngine.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input in(data, size);
    const TSearchOptions options = TSearchOptions::fromBits(in.word() & 0x3FF);
    const QString word = in.text();
    const QString subject = in.text().left(4096);

    (void)BuildSearchPattern(word, options);
    (void)EscapeSearchWord(word);
    (void)CountCodePoints(word);

    TSearchInfo info;
    const SearchResult first = SearchFirst(subject, info, word, options);
    if (first) {
        FUZZ_CHECK(info.Start >= 0 && info.Length >= 0 && info.Start + info.Length <= subject.size());
    }
    if (!first.failed() && !word.isEmpty() && IsValidUtf16(word) && IsValidUtf16(subject)) {
        const TSearchOptions literal = TSearchOptions({TSearchOption::sfrDown, TSearchOption::sfrMatchCase});
        if ((options.bits() & ~literal.bits()) == 0 && options.has(TSearchOption::sfrMatchCase)) {
            const qsizetype at = subject.indexOf(word);
            FUZZ_CHECK(bool(first) == (at >= 0));
            if (first)
                FUZZ_CHECK(info.Start == at && info.Length == word.size());
        }
    }

    TSearchInfo back{qint32(subject.size()), 0};
    const SearchResult last = SearchBackward(subject, back, word, options);
    if (last)
        FUZZ_CHECK(back.Start >= 0 && back.Start < subject.size() && back.Start + back.Length <= subject.size());

    QStringList all;
    TSearchInfo every;
    if (!subject.isEmpty() && SearchAll(subject, every, word, all, options)) {
        qint64 previous = -1;
        for (const QString &n : all) {
            const qint64 at = n.toLongLong();
            FUZZ_CHECK(at > previous && at <= subject.size());
            previous = at;
        }
    }

    LineMatcher matcher(word, options);
    TSearchInfo line;
    if (matcher.first(subject, line))
        FUZZ_CHECK(line.Start + line.Length <= subject.size());
    return 0;
}
