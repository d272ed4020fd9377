#include "GridLoad.h"

#include <new>

namespace quillon {

namespace {

GridLoadResult loadWhole(const GridLoadRequest &request, const std::function<bool(int)> &progress)
{
    GridLoadResult r;
    CsvProgress readProgress;
    if (progress) {
        readProgress = [&](qint64 done, qint64 total) {
            return progress(int(total > 0 ? done * 700 / total : 0));
        };
    }
    r.file = CsvFileReader::read(request.path, request.readChoice, request.copyPath, readProgress);
    if (!r.file.ok())
        return r;
    r.StrSeparater = r.file.lines.isEmpty() ? QStringLiteral("UnKnown") : CsvSplitter::GetSeparater(r.file.lines.line(0));
    CsvLines lines = std::move(r.file.lines);
    r.file.lines = CsvLines();
    if (request.lfToTab)
        lines.replaceLfByTab(); // ConvertLfToTab
    std::function<bool(int, int)> keepGoing;
    if (progress)
        keepGoing = [&](int done, int total) { return progress(700 + int(qint64(done) * 300 / std::max(total, 1))); };
    r.table = CsvTable::build(std::move(lines), request.mode, keepGoing);
    if (r.table.cancelled())
        r.file.cancelled = true;
    return r;
}

} // namespace

GridLoadResult loadGrid(const GridLoadRequest &request, const std::function<bool(int)> &progress)
{
    try {
        return loadWhole(request, progress);
    } catch (const std::bad_alloc &) {
        // Text and cells the system has not the memory for: refused as the
        // file too large, as the viewer refuses it, never ending the program.
        GridLoadResult r;
        r.file.status = CsvFile::Status::TooLarge;
        return r;
    }
}

} // namespace quillon
