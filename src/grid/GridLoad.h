#pragma once
// One read of the grid from start to end, as the window and `--grid-copy`
// both do it: LoadCsvFile, then the separator text, ConvertLfToTab and the
// splitting of every line. Runs on any thread; `progress` may stop it.
#include "CsvFileReader.h"
#include "CsvTable.h"

namespace quillon {

struct GridLoadRequest {
    QString path;
    int readChoice = 0; // 0 automatic, else the code number chosen by hand
    bool lfToTab = false;
    CsvMode mode = CsvMode::Automatic;
    QString copyPath;   // the unknown-character copy; empty: not written
};

struct GridLoadResult {
    CsvFile file;          // lines moved into table
    QString StrSeparater;  // "UnKnown" when there are no lines
    CsvTable table;
};

// Progress runs from 0 to 1000: reading and decoding first, then splitting.
[[nodiscard]] GridLoadResult loadGrid(const GridLoadRequest &request,
                                      const std::function<bool(int permille)> &progress = {});

} // namespace quillon
