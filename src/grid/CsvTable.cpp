#include "CsvTable.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <thread>

namespace quillon {

namespace {

// The cells of lines [from, to): their stretches, where each line's begin
// (relative to this part), how each line's text is made, the widest line.
struct Part {
    std::vector<CellSpan> spans;
    std::vector<qsizetype> first;
    std::vector<CellForm> forms;
    int maxCells = 0;
    bool stopped = false;
};

void splitPart(const CsvLines &lines, CsvMode mode, int from, int to, Part &part,
               const std::function<bool(int)> &keepGoing)
{
    std::vector<FieldSpan> scratch;
    // Room for the cells at once, guessed from the first lines, so a large
    // table is not copied while it grows.
    const int sample = std::min(to - from, 256);
    for (int r = from; r < from + sample; ++r)
        CsvSplitter::splitSpans(lines.line(r), mode, part.spans, scratch);
    if (sample > 0)
        part.spans.reserve(size_t(double(part.spans.size()) / sample * (to - from) * 1.05) + 16);
    part.spans.clear();
    part.first.reserve(size_t(to - from));
    part.forms.reserve(size_t(to - from));
    for (int r = from; r < to; ++r) {
        if (keepGoing && ((r - from) & 4095) == 0 && !keepGoing(r - from)) {
            part.stopped = true;
            return;
        }
        part.first.push_back(qsizetype(part.spans.size()));
        part.forms.push_back(CsvSplitter::splitSpans(lines.line(r), mode, part.spans, scratch));
        part.maxCells = std::max(part.maxCells, int(qsizetype(part.spans.size()) - part.first.back()));
    }
}

} // namespace

CsvTable CsvTable::build(CsvLines lines, CsvMode mode, const std::function<bool(int, int)> &keepGoing)
{
    CsvTable t;
    const int n = int(lines.size());
    // A large file is split in two halves at once, one on a helper thread.
    const int half = n >= 20000 ? n / 2 : n;
    Part a, b;
    std::atomic_bool stop = false;
    // A table the system has not the memory for fails on either thread: the
    // failing half stops the other, and the failure reaches the caller from
    // this thread once the helper has ended.
    std::atomic_bool failed = false;
    auto split = [&](int from, int to, Part &part, const std::function<bool(int)> &go) {
        try {
            splitPart(lines, mode, from, to, part, go);
        } catch (const std::bad_alloc &) {
            failed = true;
            stop = true;
            part = Part();
        }
    };
    std::thread helper;
    if (half < n)
        helper = std::thread([&] { split(half, n, b, [&](int) { return !stop.load(); }); });
    split(0, half, a, [&](int done) {
        const bool go = !failed.load() && (!keepGoing || keepGoing(done, half));
        if (!go)
            stop = true;
        return go;
    });
    if (helper.joinable())
        helper.join();
    if (failed)
        throw std::bad_alloc();
    if (a.stopped || b.stopped) {
        t.m_cancelled = true;
        return t;
    }
    t.m_spans = std::move(a.spans);
    t.m_first = std::move(a.first);
    t.m_forms = std::move(a.forms);
    t.m_maxCells = std::max(a.maxCells, b.maxCells);
    if (half < n) {
        const qsizetype offset = qsizetype(t.m_spans.size());
        t.m_spans.insert(t.m_spans.end(), b.spans.begin(), b.spans.end());
        t.m_first.reserve(size_t(n) + 1);
        for (qsizetype f : b.first)
            t.m_first.push_back(f + offset);
        t.m_forms.insert(t.m_forms.end(), b.forms.begin(), b.forms.end());
    }
    t.m_first.push_back(qsizetype(t.m_spans.size()));
    t.m_lines = std::move(lines);
    return t;
}

int CsvTable::cellCount(int row) const
{
    if (row < 0 || row >= rowCount())
        return 0;
    return int(m_first[size_t(row) + 1] - m_first[size_t(row)]);
}

QString CsvTable::cell(int row, int column) const
{
    if (column < 0 || column >= cellCount(row))
        return QString();
    return CsvSplitter::cellText(m_lines.line(row), m_spans[size_t(m_first[size_t(row)] + column)],
                                 m_forms[size_t(row)]);
}

} // namespace quillon
