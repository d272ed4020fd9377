// The reading history and the recent-files list: any file reads into a full
// list, and what is saved reads back as exactly the same list.
#include "FuzzInput.h"
#include "ReadingHistory.h"
#include "RecentFiles.h"

#include <QFile>
#include <QTemporaryDir>

using namespace quillon;

namespace {

void put(const QString &path, QByteArrayView bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes.data(), bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.txt"));
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    put(in, fuzz::bytes(data, size));

    ReadingHistory history;
    history.load(in);
    FUZZ_CHECK(history.entries().size() == ReadingHistory::Count);
    history.UpdateHistory(QStringLiteral("/tmp/a b.txt"), 12);
    FUZZ_CHECK(history.lineOf(QStringLiteral("/tmp/a b.txt")) == 12);
    history.UpdateHistory(QStringLiteral("/tmp/a\n0\t/tmp/b"), 3); // never recorded
    for (const QString &e : history.entries())
        (void)ReadingHistory::entryPath(e);
    if (history.save(out).ok) {
        ReadingHistory again;
        again.load(out);
        FUZZ_CHECK(again.entries() == history.entries());
    }

    RecentFiles recent;
    recent.load(in);
    FUZZ_CHECK(recent.entries().size() == RecentFiles::Count);
    recent.UpdateRecent(QStringLiteral("/tmp/x&y.txt"));
    recent.UpdateRecent(QStringLiteral("/tmp/x\n/tmp/y")); // never recorded
    for (int i = 0; i < recent.entries().size(); ++i)
        (void)RecentFiles::caption(i, recent.entries().at(i));
    if (recent.save(out).ok) {
        RecentFiles again;
        again.load(out);
        FUZZ_CHECK(again.entries() == recent.entries());
    }
    return 0;
}
