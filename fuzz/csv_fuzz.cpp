// The grid's reading of a file: cutting bytes into lines by every code and
// line end, the three splitting modes, LF to TAB, and the clipboard forms.
// Stretches lie inside their line; the quoting comma style reads back, cell
// for cell, through the comma splitter (except a cell of quotes alone: the
// reader takes "" for one quote, as files of this kind are written).
#include "ClipboardText.h"
#include "CsvFileReader.h"
#include "CsvSplitter.h"
#include "FuzzInput.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input in(data, size);
    const int code = in.byte() % 12;    // 0 and 11 are outside the codes: must be harmless
    const int lineEnd = in.byte() % 5;  // likewise 0 and 4
    const QByteArrayView bytes = in.rest();

    qsizetype last = 0;
    CsvFileReader::cutLines(bytes, code, lineEnd, [&](CsvFileReader::Span s) {
        FUZZ_CHECK(s.start >= last && s.length >= 0 && s.start + s.length <= bytes.size());
        last = s.start + s.length;
    });
    bool tooLarge = false;
    CsvLines lines = CsvFileReader::cutAndDecode(bytes, code, lineEnd, {}, nullptr, &tooLarge);
    lines.replaceLfByTab();
    QStringList list = lines.toList();
    CsvSplitter::ConvertLfToTab(list, true);

    std::vector<CellSpan> spans;
    for (const QString &line : list) {
        (void)CsvSplitter::GetSeparater(line);
        for (CsvMode mode : {CsvMode::Automatic, CsvMode::CommaEx1, CsvMode::CommaEx2}) {
            spans.clear();
            const CellForm form = CsvSplitter::splitSpans(line, mode, spans);
            for (const CellSpan &s : spans) {
                FUZZ_CHECK(s.start >= 0 && s.length >= 0 && s.start + s.length <= line.size());
                (void)CsvSplitter::cellText(line, s, form);
            }
        }
    }

    // Cells from the raw text, written in each clipboard style; the quoting
    // comma style must split back into the same cells.
    QStringList cells;
    CsvSplitter::StringToCsvListEx2(QString::fromLatin1(bytes.toByteArray()), cells);
    for (ClipStyle style : {ClipStyle::Tab, ClipStyle::Quoted, ClipStyle::Comma, ClipStyle::CsvEx2})
        (void)ClipboardText::line(cells, style);
    bool plain = cells.size() >= 2;
    for (const QString &c : cells)
        plain = plain && !c.contains(u'\r') && !c.contains(u'\n') && c.count(u'"') != c.size();
    if (plain) {
        QStringList back;
        CsvSplitter::StringToCsvListEx2(ClipboardText::line(cells, ClipStyle::CsvEx2), back);
        FUZZ_CHECK(back == cells);
    }
    return 0;
}
