// Language files: any bytes decode to lines, the check names a line that
// exists, and the shared line splitter cuts every line into stretches that
// lie inside it, in order.
#include "FuzzInput.h"
#include "LanguageFile.h"
#include "LineSplitter.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = LanguageFile::decodeLines(fuzz::bytes(data, size).toByteArray());
    const LanguageFileCheck check = LanguageFile::check(lines);
    if (!check.ok()) {
        FUZZ_CHECK(check.lineNumber >= 1 && check.lineNumber <= lines.size());
        (void)check.messageJapanese();
        (void)check.messageEnglish();
    }
    for (bool japanese : {true, false}) {
        std::array<QString, 5> bases = LanguageFile::builtInLauncherBases(japanese);
        LanguageFile::readLauncherBases(lines, japanese, bases);
    }
    std::vector<FieldSpan> spans;
    for (const QString &line : lines) {
        spans.clear();
        LineSplitter::splitSpans(line, spans);
        qsizetype end = 0;
        for (const FieldSpan &s : spans) {
            FUZZ_CHECK(s.start >= end && s.length >= 0 && s.start + s.length <= line.size());
            end = s.start + s.length;
        }
        FUZZ_CHECK(qsizetype(spans.size()) == LineSplitter::split(line).size());
        (void)IsNumericStr(line);
    }
    return 0;
}
