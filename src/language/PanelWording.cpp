#include "PanelWording.h"

#include "CharCode.h"

#include <utility>
#include <vector>

namespace quillon {

namespace {

// Looks the text up in both columns and gives the entry of the wanted language.
template <typename Names>
QString reword(const QString &text, bool toJapanese, Names names)
{
    for (const auto &[japanese, english] : names) {
        if (text == japanese || text == english)
            return toJapanese ? japanese : english;
    }
    return text;
}

} // namespace

QString PanelWording::charCode(const QString &text, bool toJapanese)
{
    std::vector<std::pair<QString, QString>> names;
    for (int code = CodeFirst; code <= CodeLast; ++code)
        names.emplace_back(charCodeName(code, true), charCodeName(code, false));
    names.emplace_back(unknownCodeName(true), unknownCodeName(false));
    names.emplace_back(binaryFileName(true), binaryFileName(false));
    return reword(text, toJapanese, names);
}

QString PanelWording::lineEnd(const QString &text, bool toJapanese)
{
    std::vector<std::pair<QString, QString>> names;
    for (int lineEnd : {LineEndCrLf, LineEndCr, LineEndLf, LineEndNone})
        names.emplace_back(lineEndName(lineEnd, true), lineEndName(lineEnd, false));
    names.emplace_back(unknownCodeName(true), unknownCodeName(false));
    return reword(text, toJapanese, names);
}

} // namespace quillon
