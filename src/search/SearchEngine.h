#pragma once
// The search engine: every search, literal or not, is turned into a regular
// expression and run by PCRE2 (16-bit code units, UTF mode). Positions are
// UTF-16 offsets of the searched text, which is a text view's whole text
// (lines joined with CR LF; NULs are searched like any other character).
// Nothing is kept between calls: each call compiles, runs and frees its own
// expression.
#include "TSearchOption.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

namespace quillon {

class IniFile;

// Why a search could not give an answer. A pattern error carries the offset
// in the expression and PCRE2's reason; a match error (the match limit for a
// runaway expression, for instance) only the reason.
struct SearchError {
    enum class Kind { None, Pattern, Match };
    Kind kind = Kind::None;
    int code = 0;    // PCRE2's error number
    int offset = 0;  // Pattern: code-unit offset in the expression text
    QString reason;  // PCRE2's own wording

    [[nodiscard]] bool isError() const { return kind != Kind::None; }
    // The texts of the error box, one per interface language.
    [[nodiscard]] QString japanese() const;
    [[nodiscard]] QString english() const;
};

// Found, not found, or an error that ends the caller's command (the caller
// then moves nothing and shows no search message, only the error).
struct SearchResult {
    bool found = false;
    SearchError error;
    explicit operator bool() const { return found; }
    [[nodiscard]] bool failed() const { return error.isError(); }
};

// The expression a search word and its options turn into.
struct SearchPattern {
    QString text;
    TSearchOptions options; // sfrWholeWord / IncludeCRLF / IncludeSpace dropped in expression mode
    bool caseless = true;
    bool multiline = false;
};

[[nodiscard]] SearchPattern BuildSearchPattern(QStringView word, TSearchOptions options);
// Control characters as escapes, ASCII punctuation behind a backslash,
// everything else (letters, digits, space, non-ASCII, surrogates) unchanged.
[[nodiscard]] QString EscapeSearchWord(QStringView word);
// Code points: a high surrogate with the low surrogate after it counts once;
// any other unit (a lone surrogate too) counts on its own.
[[nodiscard]] int CountCodePoints(QStringView s);
// The code point number index (0-based, by CountCodePoints' count), as text.
[[nodiscard]] QString CopyCodePoints(QStringView s, int index);

// True when s holds no lone surrogate.
[[nodiscard]] bool IsValidUtf16(QStringView s);

// The leftmost match at 0-based offset info.Start - 1 or later (info.Start is
// 1-based: selection start + selection length + 1). Needs sfrDown. Nothing is
// found once that offset reaches viewLength (the view's text length).
SearchResult SearchForward(QStringView text, TSearchInfo &info, QStringView word, int viewLength,
                           TSearchOptions options);
// The last match that begins before info.Start (the selection start).
SearchResult SearchBackward(QStringView text, TSearchInfo &info, QStringView word, TSearchOptions options);
// The leftmost match at offset max(info.Start - 1, 0) or later.
SearchResult SearchFirst(QStringView text, TSearchInfo &info, QStringView word, TSearchOptions options);
// Every match from offset 0, not overlapping (an empty match moves on one
// code point); list gets their decimal offsets, info the first match.
// info.Start must be below the text's length (callers pass 0).
SearchResult SearchAll(QStringView text, TSearchInfo &info, QStringView word, QStringList &list,
                       TSearchOptions options);

// One expression compiled once and run over many short subjects: the find-all
// list searches every line of a text by itself, as SearchFirst with Start 0
// would, without compiling the expression a million times. Not shared
// between threads.
class LineMatcher {
public:
    LineMatcher(QStringView word, TSearchOptions options);
    ~LineMatcher();
    LineMatcher(const LineMatcher &) = delete;
    LineMatcher &operator=(const LineMatcher &) = delete;

    // An expression that does not compile; every search then fails with it.
    [[nodiscard]] const SearchError &error() const { return m_error; }
    // The leftmost match in subject at offset from or later; an empty word or
    // subject finds nothing, as SearchFirst does.
    SearchResult first(QStringView subject, TSearchInfo &info, int from = 0);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
    SearchError m_error;
    bool m_empty = false;
};

// Options from section [Options] of the settings file, read on every call:
// MatchCase, WholeWord, RegExp, IncludeCRLF (which adds IncludeSpace too);
// searchNext == 1 adds sfrDown.
[[nodiscard]] TSearchOptions SetOptions(const IniFile &ini, int searchNext);

} // namespace quillon
