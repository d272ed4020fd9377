#include "FindAllNumberSource.h"

#include "LineNumberText.h"

#include <algorithm>

namespace quillon {

namespace {

int widthOf(int number)
{
    int digits = number < 0 ? 2 : 1;
    for (qint64 n = number < 0 ? -qint64(number) : number; n >= 10; n /= 10)
        ++digits;
    return std::max(digits, 6);
}

} // namespace

FindAllNumberSource::FindAllNumberSource(std::vector<int> numbers, int lineZero)
    : m_numbers(std::move(numbers))
    , m_lineZero(lineZero)
{
    m_starts.reserve(m_numbers.size());
    qint64 pos = 0;
    for (int n : m_numbers) {
        m_starts.push_back(pos);
        pos += widthOf(n) + 2;
    }
    m_length = m_numbers.empty() ? 0 : pos - 2;
}

TextPos FindAllNumberSource::lineStart(int line) const
{
    if (line <= 0)
        return 0;
    if (line >= int(m_starts.size()))
        return m_length;
    return m_starts[size_t(line)];
}

int FindAllNumberSource::lineLength(int line) const
{
    if (line < 0 || line >= int(m_numbers.size()))
        return 0;
    return widthOf(m_numbers[size_t(line)]);
}

int FindAllNumberSource::lineOf(TextPos pos) const
{
    if (m_starts.empty() || pos <= 0)
        return 0;
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), pos);
    return int(it - m_starts.begin()) - 1;
}

QStringView FindAllNumberSource::line(int line, QString &scratch) const
{
    if (line < 0 || line >= int(m_numbers.size()))
        return {};
    scratch = LineNumberText::format(m_numbers[size_t(line)], m_lineZero);
    return scratch;
}

int FindAllNumberSource::longestLine() const
{
    if (m_numbers.empty())
        return 0;
    const auto it = std::max_element(m_numbers.begin(), m_numbers.end());
    return int(it - m_numbers.begin());
}

} // namespace quillon
