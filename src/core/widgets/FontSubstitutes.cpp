#include "FontSubstitutes.h"

#include <QFont>
#include <QStringList>

namespace quillon {

void installFontSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList gothic = {QStringLiteral("IPAGothic"), QStringLiteral("IPAexGothic"),
                                QStringLiteral("VL Gothic"), QStringLiteral("Noto Sans Mono CJK JP"),
                                QStringLiteral("Monospace")};
    const QStringList pgothic = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAexGothic"),
                                 QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP")};
    const QStringList mincho = {QStringLiteral("IPAMincho"), QStringLiteral("IPAexMincho"),
                                QStringLiteral("Noto Serif CJK JP")};
    const QStringList courier = {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
                                 QStringLiteral("IPAGothic"), QStringLiteral("Monospace")};
    for (const char16_t *name : {u"ＭＳ ゴシック", u"MS Gothic", u"ＭＳ ゴシック"})
        QFont::insertSubstitutions(QString::fromUtf16(name), gothic);
    for (const char16_t *name : {u"ＭＳ Ｐゴシック", u"MS PGothic", u"メイリオ", u"Meiryo", u"Meiryo UI"})
        QFont::insertSubstitutions(QString::fromUtf16(name), pgothic);
    for (const char16_t *name : {u"ＭＳ 明朝", u"MS Mincho"})
        QFont::insertSubstitutions(QString::fromUtf16(name), mincho);
    QFont::insertSubstitutions(QStringLiteral("Courier New"), courier);
}

} // namespace quillon
