#include "HarbekanLook.h"

#include "AppPaths.h"
#include "ColorText.h"

#include <QFileInfo>

namespace quillon {

QString HarbekanLook::iniPath()
{
    return AppPaths::besideProgram(QStringLiteral("Harbek.ini"));
}

bool HarbekanLook::available()
{
    return QFileInfo(iniPath()).isFile();
}

bool HarbekanLook::parseColor(const QString &text, TColor *color)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    TColor c = 0;
    if (!textToColor(u'$' + t, &c) || c > 0xFFFFFF)
        return false;
    *color = c;
    return true;
}

HarbekanLook HarbekanLook::read(const QString &path)
{
    HarbekanLook look;
    const IniFile ini(path);
    const QString section = QStringLiteral("Harbekan");
    const QString name = ini.readString(section, QStringLiteral("HarbekanFontName")).trimmed();
    if (!name.isEmpty())
        look.fontName = name;
    const int height = ini.readInteger(section, QStringLiteral("HarbekanFontHeight"), look.fontHeight);
    if (height > 0 && height <= 1000)
        look.fontHeight = height;
    struct ColorKey {
        const char *key;
        TColor *target;
    };
    for (const ColorKey &k : {ColorKey{"HarbekanColorText", &look.colorText}, ColorKey{"HarbekanColorBack", &look.colorBack},
                              ColorKey{"HarbekanColorRetMark", &look.colorRetMark}}) {
        TColor c = 0;
        if (parseColor(ini.readString(section, QString::fromLatin1(k.key)), &c))
            *k.target = c;
    }
    return look;
}

} // namespace quillon
