#include "HexPaging.h"

namespace quillon {

HexRange HexPaging::page(qint64 index, qint64 fileSize)
{
    if (fileSize <= 0 || index < 0)
        return {};
    HexRange r;
    r.start = index * PageSize;
    r.end = r.start + PageSize - 1;
    if (r.start > fileSize - 1)
        r.start = fileSize - 1;
    if (r.end > fileSize - 1)
        r.end = fileSize - 1;
    return r;
}

} // namespace quillon
