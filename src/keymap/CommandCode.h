#pragma once
// A command of the catalogue named in code. CommandCode(u"1102") is checked
// against the catalogue when it is compiled, so a mistyped code does not build;
// codes read at run time (key-map files) go through fromText().
#include "CommandTable.h"

#include <QString>
#include <QStringView>

#include <iterator>
#include <optional>

namespace quillon {

class CommandCode
{
public:
    // Implicit on purpose: registerCommand(u"1102", ...) reads as the code it names.
    consteval CommandCode(const char16_t (&code)[5]) // NOLINT(google-explicit-constructor)
        : m_index(indexOf(code))
    {
    }

    [[nodiscard]] static std::optional<CommandCode> fromText(QStringView code)
    {
        for (int i = 0; i < count(); ++i) {
            if (code == QStringView(commandTable[i].code))
                return CommandCode(i);
        }
        return std::nullopt;
    }
    // The code of a catalogue entry.
    [[nodiscard]] static CommandCode of(const CommandInfo &info)
    {
        return CommandCode(int(&info - commandTable));
    }
    [[nodiscard]] static constexpr int count() { return int(std::size(commandTable)); }

    // Position in the catalogue, 0 .. count() - 1.
    [[nodiscard]] constexpr int index() const { return m_index; }
    [[nodiscard]] constexpr const CommandInfo &info() const { return commandTable[m_index]; }
    [[nodiscard]] QString text() const { return info().codeText(); }
    [[nodiscard]] QStringView view() const { return QStringView(info().code); }

    friend constexpr bool operator==(CommandCode, CommandCode) = default;

private:
    constexpr explicit CommandCode(int index)
        : m_index(index)
    {
    }

    static consteval int indexOf(const char16_t (&code)[5])
    {
        for (int i = 0; i < count(); ++i) {
            const char16_t *c = commandTable[i].code;
            if (c[0] == code[0] && c[1] == code[1] && c[2] == code[2] && c[3] == code[3] && c[4] == 0)
                return i;
        }
        // Reached only for a code the catalogue does not hold: not a constant
        // expression, so the program does not compile.
        throw "not a command code of the catalogue";
    }

    int m_index;
};

} // namespace quillon
