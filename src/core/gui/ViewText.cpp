#include "ViewText.h"

#include "TMemoExDark.h"

namespace quillon {

int viewTextLength(const TMemoExDark *view)
{
    return view->length();
}

QString viewTextRange(const TMemoExDark *view, int start, int length)
{
    return view->textRange(start, length);
}

QString viewLineText(const TMemoExDark *view, int line)
{
    return view->lineText(line);
}

QString viewWholeText(const TMemoExDark *view)
{
    // A source that holds one string shares it: no copy of the file's text.
    return view->textRange(0, view->length());
}

} // namespace quillon
