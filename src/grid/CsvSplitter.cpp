#include "CsvSplitter.h"

namespace quillon {

QString CsvSplitter::GetSeparater(QStringView line)
{
    if (line.contains(u'\t'))
        return QStringLiteral("TAB");
    if (line.startsWith(u'"'))
        return QStringLiteral("\",\"");
    return QStringLiteral(",");
}

namespace {

// The comma modes. A pair of quotes is one literal quote (pairs are taken
// left to right without overlap); every other quote opens or closes a quoted
// stretch; a comma outside every stretch separates cells. When a quote is
// left open no comma separates and the line is one cell.
//
// The rule is worked on the line itself rather than on a copy holding a
// placeholder character for the pairs, so a form feed in the file stays a
// form feed.
CellForm splitComma(QStringView line, std::vector<CellSpan> &spans)
{
    const qsizetype n = line.size();
    const size_t first = spans.size();
    bool open = false;
    qsizetype cellStart = 0;
    const char16_t *p = reinterpret_cast<const char16_t *>(line.data());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i];
        if (c == u'"') {
            if (i + 1 < n && p[i + 1] == u'"') {
                ++i; // a pair: a literal quote
                continue;
            }
            open = !open;
        } else if (c == u',' && !open) {
            spans.push_back({int32_t(cellStart), int32_t(i - cellStart)});
            cellStart = i + 1;
        }
    }
    if (open) {
        spans.resize(first);
        spans.push_back({0, int32_t(n)});
        return CellForm::CollapsedOnly;
    }
    spans.push_back({int32_t(cellStart), int32_t(n - cellStart)});
    return CellForm::Quoted;
}

QString collapsePairs(QStringView s)
{
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size(); ++i) {
        out.append(s[i]);
        if (s[i] == u'"' && i + 1 < s.size() && s[i + 1] == u'"')
            ++i;
    }
    return out;
}

void appendCells(QStringView line, CsvMode mode, QStringList &cells)
{
    std::vector<CellSpan> spans;
    const CellForm form = CsvSplitter::splitSpans(line, mode, spans);
    for (const CellSpan &s : spans) {
        cells.append(CsvSplitter::splitCellText(line, s, form));
    }
}

} // namespace

CellForm CsvSplitter::splitSpans(QStringView line, CsvMode mode, std::vector<CellSpan> &spans)
{
    std::vector<FieldSpan> scratch;
    return splitSpans(line, mode, spans, scratch);
}

CellForm CsvSplitter::splitSpans(QStringView line, CsvMode mode, std::vector<CellSpan> &spans,
                                 std::vector<FieldSpan> &scratch)
{
    if (mode == CsvMode::CommaEx1 || mode == CsvMode::CommaEx2)
        return splitComma(line, spans);
    scratch.clear();
    LineSplitter::splitSpans(line, scratch);
    for (const FieldSpan &f : scratch)
        spans.push_back({int32_t(f.start), int32_t(f.length)});
    return CellForm::Plain;
}

QString CsvSplitter::splitCellText(QStringView line, CellSpan span, CellForm form)
{
    const QStringView raw = line.mid(span.start, span.length);
    QString text;
    if (form == CellForm::Plain) {
        text = raw.toString();
    } else {
        text = raw.contains(u'"') ? collapsePairs(raw) : raw.toString();
        if (form == CellForm::Quoted && text.size() >= 3 && text.startsWith(u'"') && text.endsWith(u'"'))
            text = text.mid(1, text.size() - 2);
    }
    return text;
}

QString CsvSplitter::cellText(QStringView line, CellSpan span, CellForm form)
{
    QString text = splitCellText(line, span, form);
    if (text.contains(u'\n'))
        text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void CsvSplitter::StringToCsvListEx1(QStringView line, QStringList &cells)
{
    appendCells(line, CsvMode::CommaEx1, cells);
}

void CsvSplitter::StringToCsvListEx2(QStringView line, QStringList &cells)
{
    appendCells(line, CsvMode::CommaEx2, cells);
}

void CsvSplitter::ConvertLfToTab(QStringList &lines, bool lfToTab)
{
    if (!lfToTab)
        return;
    for (QString &line : lines) {
        if (line.contains(u'\n'))
            line.replace(u'\n', u'\t');
    }
}

} // namespace quillon
