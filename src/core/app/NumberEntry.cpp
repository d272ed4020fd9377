#include "NumberEntry.h"

namespace quillon::NumberEntry {

std::optional<int> wholeNumber(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int n = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

MessageText notAWholeNumber(const QString &caption)
{
    QString shown = caption;
    shown.remove(QLatin1Char('&'));
    return {QString::fromUtf16(u"Information : 数値を入力してください (0 ～ 999999999)\r\n") + shown,
            QStringLiteral("Information : Enter a number (0 to 999999999).\r\n") + shown + QStringLiteral("\r\n[OK]")};
}

} // namespace quillon::NumberEntry
