#include "HexDumpCommand.h"

#include "HexPaging.h"
#include "HexRows.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

namespace quillon {

namespace {

// Reads a range block by block and writes its rows; bytes the file no
// longer has (it shrank) show as 00, as in the view.
bool dumpRange(QFile &file, const HexRange &range, QIODevice &out, QString *reason)
{
    constexpr qint64 Block = 1 << 20; // a multiple of 16: rows never straddle blocks
    std::vector<uchar> bytes(static_cast<size_t>(Block));
    std::vector<char> text;
    text.reserve(size_t(Block / 16 * (HexRows::MaxRowLength + 1)));
    for (qint64 at = range.start; at <= range.end; at += Block) {
        const qint64 want = qMin(Block, range.end - at + 1);
        std::fill(bytes.begin(), bytes.begin() + want, uchar(0));
        if (file.seek(at)) {
            qint64 got = 0;
            while (got < want) {
                const qint64 n = file.read(reinterpret_cast<char *>(bytes.data()) + got, want - got);
                if (n <= 0)
                    break;
                got += n;
            }
        }
        text.resize(size_t(((want + 15) / 16) * (HexRows::MaxRowLength + 1)));
        char *p = text.data();
        for (qint64 r = 0; r < want; r += 16) {
            p += HexRows::format(p, quint64(at + r), bytes.data() + r, int(qMin<qint64>(16, want - r)));
            *p++ = '\n';
        }
        const qint64 length = p - text.data();
        if (out.write(text.data(), length) != length) {
            *reason = out.errorString();
            return false;
        }
    }
    return true;
}

} // namespace

int runHexDump(const QStringList &args, QIODevice &out, QTextStream &err)
{
    QString path;
    qint64 page = -1;
    bool optionsDone = false; // after "--" a name may start with "--"
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (!optionsDone && a == QLatin1String("--")) {
            optionsDone = true;
        } else if (!optionsDone && a == QLatin1String("--page")) {
            bool ok = false;
            page = i + 1 < args.size() ? args[i + 1].toLongLong(&ok) : -1;
            if (!ok || page < 0) {
                err << "Quillon --hexdump: --page needs a page number from 0\n";
                return 2;
            }
            ++i;
        } else if (!optionsDone && a.startsWith(QLatin1String("--"))) {
            err << "Quillon --hexdump: unknown option " << a << '\n' << "usage: Quillon --hexdump [--page N] FILE\n";
            return 2;
        } else if (path.isEmpty()) {
            path = a;
        } else {
            err << "usage: Quillon --hexdump [--page N] FILE\n";
            return 2;
        }
    }
    if (path.isEmpty()) {
        err << "usage: Quillon --hexdump [--page N] FILE\n";
        return 2;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        err << "Quillon --hexdump: " << path << ": file not found\n";
        return 2;
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        err << "Quillon --hexdump: " << path << ": cannot read: "
            << (info.isFile() ? file.errorString() : QStringLiteral("not a regular file")) << '\n';
        return 2;
    }
    const qint64 size = file.size();
    HexRange range = HexPaging::wholeFile(size);
    if (page >= 0) {
        if (page > HexPaging::lastPage(size)) {
            err << "Quillon --hexdump: page " << page << " is past the last page ("
                << HexPaging::lastPage(size) << ")\n";
            return 2;
        }
        range = HexPaging::page(page, size);
    }
    const QByteArray header = HexRows::header().toLatin1() + '\n';
    QString reason;
    if (out.write(header) != header.size() || !dumpRange(file, range, out, &reason)) {
        err << "Quillon --hexdump: cannot write: " << (reason.isEmpty() ? out.errorString() : reason) << '\n';
        return 2;
    }
    return 0;
}

} // namespace quillon
