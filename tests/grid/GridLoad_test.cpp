// One whole read of the grid: a file whose text and cells the system has not
// the memory for is refused as too large, wherever the memory runs out (the
// read, the decode, either half of the splitting, the join of the halves).
#include "GridLoad.h"
#include "support/AddressLimit.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

#ifdef QUILLON_CAN_LIMIT_ADDRESS_SPACE
TEST(GridLoad, ATableTheSystemHasNoMemoryForIsTooLarge)
{
    test::TempHome home;
    // 32 MB of one-character cells: its text takes 64 MB, its cells 128 MB.
    QByteArray line;
    for (int i = 0; i < 10; ++i)
        line += QByteArray::number(i) + (i < 9 ? "," : "\r\n");
    QByteArray bytes;
    while (bytes.size() < (32 << 20))
        bytes += line;
    const QString path = home.write(QStringLiteral("cells.csv"), bytes);
    const int rows = int(bytes.size() / line.size());

    // 0 the whole table, 1 too large, 2 anything else; a failed allocation
    // that ends the child shows as 128 + its signal.
    auto loadUnder = [&](qint64 extraMb) {
        return test::runUnderAddressLimit(extraMb, [&] {
            GridLoadRequest request;
            request.path = path;
            const GridLoadResult r = loadGrid(request);
            if (r.file.status == CsvFile::Status::TooLarge)
                return 1;
            return r.file.ok() && r.table.rowCount() == rows && r.table.columnCount() == 10 ? 0 : 2;
        });
    };
    // Limits from one that does not hold the text to one that holds all.
    for (const qint64 mb : {60, 110, 150, 200, 250, 300, 350}) {
        const int outcome = loadUnder(mb);
        EXPECT_TRUE(outcome == 0 || outcome == 1) << mb << " MB: " << outcome;
    }
    EXPECT_EQ(loadUnder(60), 1);
    EXPECT_EQ(loadUnder(1500), 0);
}
#endif

} // namespace
} // namespace quillon
