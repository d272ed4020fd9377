#pragma once
// Re-wording of the status panels that name the character code (panel 4) and
// the line end (panel 5) when the interface language changes. A text found in
// neither language's column is left as it is.
#include <QString>

namespace quillon {

class PanelWording {
public:
    PanelWording() = delete;
    [[nodiscard]] static QString charCode(const QString &text, bool toJapanese);
    [[nodiscard]] static QString lineEnd(const QString &text, bool toJapanese);
};

} // namespace quillon
