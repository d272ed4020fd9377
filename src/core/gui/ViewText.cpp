#include "ViewText.h"

#include "TMemoExDark.h"

namespace quillon {

int viewTextLength(const TMemoExDark *view)
{
    return int(view->text().size());
}

QString viewTextRange(const TMemoExDark *view, int start, int length)
{
    return view->text().mid(start, length);
}

QString viewLineText(const TMemoExDark *view, int line)
{
    return viewTextRange(view, view->lineStart(line), view->lineLength(line));
}

QString viewWholeText(const TMemoExDark *view)
{
    return view->text();
}

} // namespace quillon
