#include "Theme.h"

#include "MainSettings.h"

namespace quillon {

namespace {

const char *const names[Theme::Count] = {"Windows", "Carbon", "Charcoal Dark Slate", "Windows10 Dark"};

} // namespace

QString Theme::name(int number)
{
    return QString::fromLatin1(names[number >= 0 && number < Count ? number : 0]);
}

int Theme::number(const QString &name)
{
    return MainSettings::skinStyleNumber(name);
}

int Theme::stored(const IniAccess &ini)
{
    MainSettings s;
    s.reload(ini, MainKey::SkinStyle);
    return number(s.skinStyleText);
}

void Theme::store(IniAccess &ini, int number)
{
    MainSettings s;
    s.skinStyleText = name(number);
    s.save(ini, MainKey::SkinStyle);
}

} // namespace quillon
