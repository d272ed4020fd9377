#include "GridSettings.h"

#include <algorithm>
#include <variant>

namespace quillon {

namespace {

using Member = std::variant<bool GridSettings::*, int GridSettings::*, TColor GridSettings::*,
                            QString GridSettings::*>;

struct Key {
    const char16_t *section;
    const char16_t *read;  // the spelling read
    const char16_t *write; // the spelling written (keys match without case)
    Member member;
};

struct ArrayKey {
    const char16_t *read;
    const char16_t *write;
};

constexpr ArrayKey readKeys[] = {
    {u"ReadAuto", u"ReadAuto"}, {u"ReadSJIS", u"ReadSJIS"}, {u"ReadJIS", u"ReadJIS"},
    {u"ReadEUCJP", u"ReadEUCJP"}, {u"ReadUTF7", u"ReadUTF7"}, {u"ReadUTF8Bom", u"ReadUTF8Bom"},
    {u"ReadUTF8", u"ReadUTF8"}, {u"ReadUTF16BomBe", u"ReadUTF16BomBe"}, {u"ReadUTF16Be", u"ReadUTF16Be"},
    {u"ReadUTF16BomLe", u"ReadUTF16BomLe"}, {u"ReadUTF16Le", u"ReadUTF16Le"},
};
constexpr ArrayKey saveKeys[] = {
    {u"SaveSJIS", u"SaveSJIS"}, {u"SaveJIS", u"SaveJIS"}, {u"SaveEUCJP", u"SaveEUCJP"},
    {u"SaveUTF7", u"SaveUTF7"}, {u"SaveUTF8Bom", u"SaveUTF8Bom"}, {u"SaveUTF8", u"SaveUTF8"},
    {u"SaveUTF16BomBe", u"SaveUTF16BomBe"}, {u"SaveUTF16Be", u"SaveUTF16Be"},
    {u"SaveUTF16BomLe", u"SaveUTF16BomLe"}, {u"SaveUTF16Le", u"SaveUTF16Le"},
    {u"SaveTAB", u"SaveTAB"}, {u"SaveDoubleCautation", u"SaveDoubleCautation"}, {u"SaveComma", u"SaveComma"},
    {u"SaveFixedLength", u"SaveFixedLength"}, {u"SaveCsvEx2", u"SaveCsvEx2"},
};
constexpr ArrayKey clipKeys[] = {
    {u"ClipTab", u"ClipTAB"}, {u"ClipDoubleCautation", u"ClipDoubleCautation"},
    {u"ClipComma", u"ClipComma"}, {u"ClipCsvEx2", u"ClipCsvEx2"},
};

const Key keys[] = {
    {GridSettings::GridSection, u"MemoHeight", u"MemoHeight", &GridSettings::memoHeight},
    {GridSettings::GridSection, u"LfToTab", u"LfToTab", &GridSettings::lfToTab},
    {GridSettings::GridSection, u"RowCol", u"RowCol", &GridSettings::rowCol},
    {GridSettings::GridSection, u"ColRow", u"ColRow", &GridSettings::colRow},
    {GridSettings::LookSection, u"FontColor", u"FontColor", &GridSettings::fontColor},
    {GridSettings::LookSection, u"FontName", u"FontName", &GridSettings::fontName},
    {GridSettings::LookSection, u"FontSize", u"FontSize", &GridSettings::fontSize},
    {GridSettings::LookSection, u"Color", u"Color", &GridSettings::color},
    {GridSettings::LookSection, u"FixedColor", u"FixedColor", &GridSettings::fixedColor},
    {GridSettings::LookSection, u"CurrentColor", u"CurrentColor", &GridSettings::currentColor},
    {GridSettings::LookSection, u"CrLfColor", u"CrLfColor", &GridSettings::crLfColor},
    {GridSettings::LookSection, u"MemoHeightIndex", u"MemoHeightIndex", &GridSettings::memoHeightIndex},
    {GridSettings::LookSection, u"SameAsHarbekan", u"SameAsHarbekan", &GridSettings::sameAsHarbekan},
    {GridSettings::LookSection, u"SearchWord", u"SearchWord", &GridSettings::searchWord},
};

QString s(const char16_t *text)
{
    return QString::fromUtf16(text);
}

// The save marks keep the order of `saveKeys`; SaveSJIS and SaveTAB default to 1.
static_assert(std::size(saveKeys) == std::tuple_size_v<decltype(GridSettings::save)>);

} // namespace

void GridSettings::load(const IniAccess &ini)
{
    const QString grid = s(GridSection);
    for (const Key &k : keys) {
        const QString section = s(k.section), name = s(k.read);
        std::visit(
            [&](auto member) {
                auto &field = this->*member;
                using T = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<T, bool>)
                    field = ini.readBool(section, name, field);
                else if constexpr (std::is_same_v<T, int>)
                    field = ini.readInteger(section, name, field);
                else if constexpr (std::is_same_v<T, TColor>)
                    field = ini.readColor(section, name, field);
                else
                    field = ini.readString(section, name, field);
            },
            k.member);
    }
    for (size_t i = 0; i < std::size(readKeys); ++i)
        read[i] = ini.readBool(grid, s(readKeys[i].read), read[i]);
    for (size_t i = 0; i < std::size(saveKeys); ++i)
        save[i] = ini.readBool(grid, s(saveKeys[i].read), save[i]);
    for (size_t i = 0; i < std::size(clipKeys); ++i)
        clip[i] = ini.readBool(grid, s(clipKeys[i].read), clip[i]);
    // A file that checks none or several items: the first checked one wins,
    // automatic detection and the TAB style when there is none.
    setReadChoice(readChoice());
    setClipStyle(clipStyle());
    memoHeightIndex = std::clamp(memoHeightIndex, 1, 10);
}

void GridSettings::store(IniAccess &ini) const
{
    const QString grid = s(GridSection);
    for (const Key &k : keys) {
        const QString section = s(k.section), name = s(k.write);
        std::visit(
            [&](auto member) {
                const auto &field = this->*member;
                using T = std::decay_t<decltype(field)>;
                if constexpr (std::is_same_v<T, bool>)
                    ini.writeBool(section, name, field);
                else if constexpr (std::is_same_v<T, int>)
                    ini.writeInteger(section, name, field);
                else if constexpr (std::is_same_v<T, TColor>)
                    ini.writeColor(section, name, field);
                else
                    ini.writeString(section, name, field);
            },
            k.member);
    }
    for (size_t i = 0; i < std::size(readKeys); ++i)
        ini.writeBool(grid, s(readKeys[i].write), read[i]);
    for (size_t i = 0; i < std::size(saveKeys); ++i)
        ini.writeBool(grid, s(saveKeys[i].write), save[i]);
    for (size_t i = 0; i < std::size(clipKeys); ++i)
        ini.writeBool(grid, s(clipKeys[i].write), clip[i]);
}

int GridSettings::readChoice() const
{
    for (size_t i = 0; i < read.size(); ++i) {
        if (read[i])
            return int(i);
    }
    return 0;
}

void GridSettings::setReadChoice(int code)
{
    read.fill(false);
    read[size_t(std::clamp(code, 0, 10))] = true;
}

int GridSettings::clipStyle() const
{
    for (size_t i = 0; i < clip.size(); ++i) {
        if (clip[i])
            return int(i);
    }
    return 0;
}

void GridSettings::setClipStyle(int style)
{
    clip.fill(false);
    clip[size_t(std::clamp(style, 0, 3))] = true;
}

int GridSettings::pointSize() const
{
    bool ok = false;
    const int size = fontSize.trimmed().toInt(&ok);
    return ok && size > 0 ? size : 14;
}

void writeGridParent(IniAccess &ini, const QString &parent)
{
    ini.writeString(QString::fromUtf16(GridSettings::WindowSection), QStringLiteral("Parent"), parent);
}

QString readGridParent(const IniAccess &ini)
{
    return ini.readString(QString::fromUtf16(GridSettings::WindowSection), QStringLiteral("Parent"),
                          QStringLiteral("Main"));
}

} // namespace quillon
