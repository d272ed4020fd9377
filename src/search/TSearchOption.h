#pragma once
// Search options and the result of a search. The ordinals are bit numbers:
// callers and the settings agree on them, so they never change.
#include <QtGlobal>

namespace quillon {

enum class TSearchOption : quint8 {
    sfrDown = 0,           // forward; SearchForward refuses to run without it
    sfrMatchCase = 1,
    sfrWholeWord = 2,
    sfrNoMatchZenkaku = 3, // kept for the numbering; nothing uses it
    sfrReplace = 4,        // idem
    sfrReplaceAll = 5,     // idem
    sfrReplaceConfirm = 6, // idem
    sfrIncludeCRLF = 7,    // runs of CR/LF may stand between the word's characters
    sfrIncludeSpace = 8,   // runs of spaces may stand between the word's characters
    sfrRegExp = 9,         // the word is an expression of its own
};

// A 16-bit set of TSearchOption, passed by value.
class TSearchOptions {
public:
    constexpr TSearchOptions() = default;
    constexpr TSearchOptions(TSearchOption o) : m_bits(bit(o)) {}
    constexpr TSearchOptions(std::initializer_list<TSearchOption> list)
    {
        for (TSearchOption o : list)
            m_bits |= bit(o);
    }
    [[nodiscard]] static constexpr TSearchOptions fromBits(quint16 bits)
    {
        TSearchOptions s;
        s.m_bits = bits;
        return s;
    }

    [[nodiscard]] constexpr quint16 bits() const { return m_bits; }
    [[nodiscard]] constexpr bool has(TSearchOption o) const { return (m_bits & bit(o)) != 0; }
    constexpr TSearchOptions &add(TSearchOption o)
    {
        m_bits |= bit(o);
        return *this;
    }
    constexpr TSearchOptions &remove(TSearchOption o)
    {
        m_bits &= quint16(~bit(o));
        return *this;
    }
    constexpr bool operator==(const TSearchOptions &) const = default;

private:
    static constexpr quint16 bit(TSearchOption o) { return quint16(1u << unsigned(o)); }
    quint16 m_bits = 0;
};

// In: the start position (its meaning depends on the operation). Out: the
// match as offset and length in UTF-16 code units of the searched text.
struct TSearchInfo {
    qint32 Start = 0;
    qint32 Length = 0;
};

} // namespace quillon
