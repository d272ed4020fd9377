#include "Navigator.h"

#include <QStringList>
#include <algorithm>

namespace quillon {

int Navigator::Lines::lastTextLine() const
{
    return std::max(0, textLineCount() - 1);
}

int Navigator::Lines::textLineCount() const
{
    const int count = std::max(1, lineCount);
    return lastLineLength == 0 ? count - 1 : count;
}

Navigator::Move Navigator::pageUp(int caretLine, int amount)
{
    const int target = std::max(0, caretLine - std::max(0, amount));
    return {target - caretLine, target};
}

Navigator::Move Navigator::pageDown(int caretLine, int amount, const Lines &lines)
{
    // Widened: a caret line near INT_MAX plus an amount must not wrap.
    const qint64 wanted = qint64(caretLine) + std::max(0, amount);
    int target = int(std::min<qint64>(wanted, lines.lastTextLine()));
    target = std::max(target, caretLine);
    return {target - caretLine, target};
}

Navigator::Move Navigator::documentTop(int caretLine)
{
    return {-caretLine, 0};
}

Navigator::Move Navigator::documentEnd(int caretLine, const Lines &lines)
{
    const int n = std::max(1, lines.lineCount);
    return {n - caretLine, n - 1};
}

Navigator::Move Navigator::jump(int caretLine, QStringView entry, const Lines &lines)
{
    // A number too long for 64 bits reads as "not a number", i.e. line 1;
    // the dialog never stores more than nine digits anyway.
    bool ok = false;
    qint64 number = entry.trimmed().toLongLong(&ok);
    if (!ok)
        number = 1;
    const qint64 target = std::clamp<qint64>(number - 1, 0, lines.lastTextLine());
    return {int(target) - caretLine, int(target)};
}

bool Navigator::cursorKeyAllowed(CursorKey key, int caretPos, int caretLine, const Lines &lines)
{
    // "Below the last line": past the lines with text (the empty line after
    // a final line break, or anywhere in an empty view).
    const bool belowLast = caretLine > lines.textLineCount() - 1;
    switch (key) {
    case CursorKey::Right:
    case CursorKey::PageDown:
        return !belowLast;
    case CursorKey::Left:
        return caretPos > 0;
    case CursorKey::PageUp:
    case CursorKey::Up:
        return caretLine > 0;
    case CursorKey::Down:
        return caretLine < lines.textLineCount() - 1;
    }
    return false;
}

QString Navigator::joinedLines(const QStringList &lines)
{
    QString out;
    for (const QString &l : lines) {
        out += l;
        out += QLatin1String("\r\n");
    }
    return out;
}

} // namespace quillon
