#include "SearchEngine.h"

#include "IniFile.h"

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <algorithm>
#include <memory>

namespace quillon {

namespace {

constexpr int BackwardWindow = 10000;
// Guards against expressions that backtrack without end, such as (a+)+$ on a
// long line: PCRE2 gives up with an error instead of hanging the window.
constexpr uint32_t MatchLimit = 5'000'000;
constexpr uint32_t DepthLimit = 100'000;

inline bool isHigh(char16_t c) { return (c & 0xFC00) == 0xD800; }
inline bool isLow(char16_t c) { return (c & 0xFC00) == 0xDC00; }

QString pcreMessage(int code)
{
    PCRE2_UCHAR16 buffer[256];
    const int n = pcre2_get_error_message(code, buffer, 256);
    return n > 0 ? QString::fromUtf16(reinterpret_cast<const char16_t *>(buffer), n) : QString::number(code);
}

// One compiled expression over one subject. The subject is the whole text
// throughout, so "\b", anchors and lookbehind always see the real
// neighbours of a position, even when a scan is cut short on the right.
class Matcher {
public:
    enum class Outcome { Hit, Miss, Fail };

    Matcher(QStringView text) : m_text(text), m_len(int(text.size())) {}
    // A matcher compiled once for many subjects (setSubject); invalidUtf
    // compiles it for subjects that may hold lone surrogates.
    Matcher(bool invalidUtf) : m_forceInvalid(invalidUtf) {}
    ~Matcher()
    {
        pcre2_match_data_free(m_data);
        pcre2_jit_stack_free(m_stack);
        pcre2_match_context_free(m_mcontext);
        pcre2_code_free(m_code);
    }
    Matcher(const Matcher &) = delete;
    Matcher &operator=(const Matcher &) = delete;

    bool compile(const SearchPattern &pattern, SearchError &error)
    {
        m_patternLength = int(pattern.text.size());
        // Lone surrogates in the text: PCRE2 must not be told the text is
        // valid UTF-16 (NO_UTF_CHECK would then be undefined behaviour), so
        // it compiles for invalid UTF, where such units simply never match.
        const bool valid = !m_forceInvalid && IsValidUtf16(m_text);
        uint32_t options = PCRE2_UTF;
        if (pattern.caseless)
            options |= PCRE2_CASELESS;
        if (pattern.multiline)
            options |= PCRE2_MULTILINE;
        if (!valid)
            options |= PCRE2_MATCH_INVALID_UTF;
        m_matchOptions = valid ? PCRE2_NO_UTF_CHECK : 0;

        pcre2_compile_context *ccontext = pcre2_compile_context_create(nullptr);
        pcre2_set_newline(ccontext, PCRE2_NEWLINE_ANY);
        int code = 0;
        PCRE2_SIZE offset = 0;
        m_code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.text.utf16()), PCRE2_SIZE(pattern.text.size()),
                               options, &code, &offset, ccontext);
        pcre2_compile_context_free(ccontext);
        if (!m_code) {
            error.kind = SearchError::Kind::Pattern;
            error.code = code;
            error.offset = int(offset);
            error.reason = pcreMessage(code);
            return false;
        }
        m_jit = pcre2_jit_compile(m_code, PCRE2_JIT_COMPLETE | PCRE2_JIT_PARTIAL_HARD) == 0;
        m_mcontext = pcre2_match_context_create(nullptr);
        pcre2_set_match_limit(m_mcontext, MatchLimit);
        pcre2_set_depth_limit(m_mcontext, DepthLimit);
        if (m_jit) {
            m_stack = pcre2_jit_stack_create(32 * 1024, 8 * 1024 * 1024, nullptr);
            pcre2_jit_stack_assign(m_mcontext, nullptr, m_stack);
        }
        m_data = pcre2_match_data_create_from_pattern(m_code, nullptr);
        return true;
    }

    // The leftmost match that begins at `from` or later. With maxStart >= 0
    // only a match beginning at maxStart or earlier counts, and the scan
    // reads no further right than it must: the subject is cut a little past
    // maxStart, and a match that runs into the cut (PCRE2 reports it as
    // partial) makes the cut move further right, so no match is ever lost
    // or shortened by it.
    Outcome find(int from, int maxStart, int &start, int &end, SearchError &error)
    {
        if (from > m_len)
            return Outcome::Miss;
        from = alignStart(from);
        int cut = m_len;
        int slack = std::max(m_patternLength, 256);
        if (maxStart >= 0) {
            if (from > maxStart)
                return Outcome::Miss;
            cut = limitCut(maxStart + 1 + slack);
        }
        for (;;) {
            const uint32_t options = m_matchOptions | (cut < m_len ? PCRE2_PARTIAL_HARD : 0);
            const int rc = pcre2_match(m_code, reinterpret_cast<PCRE2_SPTR>(m_text.utf16()), PCRE2_SIZE(cut),
                                       PCRE2_SIZE(from), options, m_data, m_mcontext);
            const PCRE2_SIZE *ov = pcre2_get_ovector_pointer(m_data);
            if (rc == PCRE2_ERROR_NOMATCH)
                return Outcome::Miss;
            if (rc == PCRE2_ERROR_PARTIAL) {
                if (maxStart >= 0 && int(ov[0]) > maxStart)
                    return Outcome::Miss;
                slack *= 4;
                cut = limitCut(std::max(maxStart, from) + 1 + slack);
                continue;
            }
            if (rc < 0) {
                error.kind = SearchError::Kind::Match;
                error.code = rc;
                error.reason = pcreMessage(rc);
                return Outcome::Fail;
            }
            start = int(ov[0]);
            end = int(std::max(ov[1], ov[0])); // \K can put the end first
            if (maxStart >= 0 && start > maxStart)
                return Outcome::Miss;
            return Outcome::Hit;
        }
    }

    // The offset one code point after pos (an empty match moves on by it).
    [[nodiscard]] int nextCodePoint(int pos) const
    {
        if (pos < m_len && isHigh(m_text[pos].unicode()) && pos + 1 < m_len && isLow(m_text[pos + 1].unicode()))
            return pos + 2;
        return pos + 1;
    }
    // Where to look on after a match [s, e): past its end, or past its start
    // when it is empty. A match of one code unit (\C) can end inside a pair;
    // the search goes on after the pair, since one from inside it would
    // start at its high half again and find the same match for ever.
    [[nodiscard]] int after(int s, int e) const
    {
        if (e <= s)
            return nextCodePoint(s);
        return alignStart(e) < e ? e + 1 : e;
    }
    // Never start between the halves of a pair: move back to its high half.
    [[nodiscard]] int alignStart(int pos) const
    {
        if (pos > 0 && pos < m_len && isLow(m_text[pos].unicode()) && isHigh(m_text[pos - 1].unicode()))
            return pos - 1;
        return pos;
    }
    [[nodiscard]] int patternLength() const { return m_patternLength; }
    [[nodiscard]] int length() const { return m_len; }
    void setSubject(QStringView text)
    {
        m_text = text;
        m_len = int(text.size());
    }

private:
    // A cut never splits a surrogate pair.
    [[nodiscard]] int limitCut(qint64 cut) const
    {
        if (cut >= m_len)
            return m_len;
        int c = int(cut);
        if (c > 0 && isHigh(m_text[c - 1].unicode()) && isLow(m_text[c].unicode()))
            ++c;
        return c;
    }

    QStringView m_text;
    int m_len = 0;
    bool m_forceInvalid = false;
    int m_patternLength = 0;
    uint32_t m_matchOptions = 0;
    bool m_jit = false;
    pcre2_code *m_code = nullptr;
    pcre2_match_context *m_mcontext = nullptr;
    pcre2_jit_stack *m_stack = nullptr;
    pcre2_match_data *m_data = nullptr;
};

// The checks every operation makes before it looks at the text.
bool acceptable(QStringView text, const TSearchInfo &info, QStringView word)
{
    return !word.isEmpty() && !text.isEmpty() && info.Start >= 0 && info.Start <= text.size() && info.Length >= 0;
}

SearchResult failure(const SearchError &error)
{
    SearchResult r;
    r.error = error;
    return r;
}

SearchResult hit(TSearchInfo &info, int start, int end)
{
    info.Start = start;
    info.Length = end - start;
    SearchResult r;
    r.found = true;
    return r;
}

} // namespace

QString SearchError::japanese() const
{
    if (kind == Kind::Pattern)
        return QString::fromUtf16(u"オフセット %1 で正規表現にエラーがあります: %2").arg(offset).arg(reason);
    return QString::fromUtf16(u"Error : 検索を中止しました。正規表現の照合が上限を超えました\r\n") + reason;
}

QString SearchError::english() const
{
    if (kind == Kind::Pattern)
        return QStringLiteral("Error in regular expression at offset %1: %2").arg(offset).arg(reason);
    return QStringLiteral("Error : Search stopped, the regular expression needs too much work.\r\n") + reason
        + QStringLiteral("\r\n[OK]");
}

QString EscapeSearchWord(QStringView word)
{
    QString out;
    out.reserve(word.size() * 2);
    for (QChar ch : word) {
        const char16_t c = ch.unicode();
        switch (c) {
        case 7: out += QLatin1String("\\a"); continue;
        case 9: out += QLatin1String("\\t"); continue;
        case 10: out += QLatin1String("\\n"); continue;
        case 11: out += QLatin1String("\\v"); continue;
        case 12: out += QLatin1String("\\f"); continue;
        case 13: out += QLatin1String("\\r"); continue;
        case 27: out += QLatin1String("\\e"); continue;
        default: break;
        }
        if ((c >= 33 && c <= 47) || (c >= 58 && c <= 64) || (c >= 91 && c <= 96) || (c >= 123 && c <= 126))
            out += QLatin1Char('\\');
        out += ch;
    }
    return out;
}

int CountCodePoints(QStringView s)
{
    int count = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (isHigh(s[i].unicode()) && i + 1 < s.size() && isLow(s[i + 1].unicode()))
            ++i;
        ++count;
    }
    return count;
}

QString CopyCodePoints(QStringView s, int index)
{
    int count = 0;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const qsizetype width = (isHigh(s[i].unicode()) && i + 1 < s.size() && isLow(s[i + 1].unicode())) ? 2 : 1;
        if (count == index)
            return s.mid(i, width).toString();
        i += width - 1;
        ++count;
    }
    return QString();
}

bool IsValidUtf16(QStringView s)
{
    const char16_t *p = s.utf16();
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        // Most text holds no surrogate at all: a branch-free sweep per block.
        const qsizetype blockEnd = std::min(n, i + 512);
        unsigned any = 0;
        for (qsizetype j = i; j < blockEnd; ++j)
            any |= unsigned((p[j] & 0xF800) == 0xD800);
        if (!any) {
            i = blockEnd;
            continue;
        }
        for (; i < blockEnd; ++i) {
            if ((p[i] & 0xF800) != 0xD800)
                continue;
            if (!isHigh(p[i]) || i + 1 >= n || !isLow(p[i + 1]))
                return false;
            ++i;
        }
    }
    return true;
}

SearchPattern BuildSearchPattern(QStringView word, TSearchOptions options)
{
    SearchPattern pattern;
    if (options.has(TSearchOption::sfrRegExp)) {
        options.remove(TSearchOption::sfrWholeWord)
            .remove(TSearchOption::sfrIncludeCRLF)
            .remove(TSearchOption::sfrIncludeSpace);
        pattern.text = word.toString();
    } else {
        const bool crlf = options.has(TSearchOption::sfrIncludeCRLF);
        const bool space = options.has(TSearchOption::sfrIncludeSpace);
        QString separator;
        if (crlf && space)
            separator = QStringLiteral("([\\r\\n]*|\\x20*)");
        else if (crlf)
            separator = QStringLiteral("[\\r\\n]*");
        else if (space)
            separator = QStringLiteral("\\x20*");
        if (separator.isEmpty()) {
            pattern.text = EscapeSearchWord(word);
        } else {
            // One pass over the code points (a pair of surrogates is one): a long
            // word must not cost its length squared.
            for (qsizetype i = 0; i < word.size();) {
                const qsizetype width =
                    (isHigh(word[i].unicode()) && i + 1 < word.size() && isLow(word[i + 1].unicode())) ? 2 : 1;
                if (i > 0)
                    pattern.text += separator;
                pattern.text += EscapeSearchWord(word.mid(i, width));
                i += width;
            }
        }
        if (options.has(TSearchOption::sfrWholeWord))
            pattern.text = QStringLiteral("\\b") + pattern.text + QStringLiteral("\\b");
    }
    pattern.options = options;
    pattern.caseless = !options.has(TSearchOption::sfrMatchCase);
    pattern.multiline = options.has(TSearchOption::sfrIncludeCRLF);
    return pattern;
}

namespace {

// The first match at or after from becomes the selection in info.
SearchResult firstMatchFrom(QStringView text, TSearchInfo &info, QStringView word, TSearchOptions options, int from)
{
    Matcher m(text);
    SearchError error;
    if (!m.compile(BuildSearchPattern(word, options), error))
        return failure(error);
    int s = 0, e = 0;
    switch (m.find(from, -1, s, e, error)) {
    case Matcher::Outcome::Hit: return hit(info, s, e);
    case Matcher::Outcome::Fail: return failure(error);
    case Matcher::Outcome::Miss: break;
    }
    return {};
}

} // namespace

SearchResult SearchForward(QStringView text, TSearchInfo &info, QStringView word, int viewLength,
                           TSearchOptions options)
{
    if (!acceptable(text, info, word) || !options.has(TSearchOption::sfrDown))
        return {};
    // Any start inside the text is searched, the last code unit included.
    const int from = std::max(info.Start - 1, 0);
    if (from >= viewLength || from >= text.size())
        return {};
    return firstMatchFrom(text, info, word, options, from);
}

SearchResult SearchBackward(QStringView text, TSearchInfo &info, QStringView word, TSearchOptions options)
{
    if (!acceptable(text, info, word))
        return {};
    const int S = info.Start;
    if (S == 0)
        return {};
    Matcher m(text);
    SearchError error;
    if (!m.compile(BuildSearchPattern(word, options), error))
        return failure(error);
    const int P = m.patternLength();
    int s = 0, e = 0;
    // 1. Nothing before S at all: done, without walking windows.
    Matcher::Outcome o = m.find(0, S - 1, s, e, error);
    if (o != Matcher::Outcome::Hit)
        return o == Matcher::Outcome::Fail ? failure(error) : SearchResult{};
    // 2-3. Windows of 10000 + P units from the caret back, until one holds
    // the start of a match.
    int L = S - 1;
    int W = std::max(S - 1 - BackwardWindow - P, 0);
    for (;;) {
        W = m.alignStart(W);
        o = m.find(W, L, s, e, error);
        if (o == Matcher::Outcome::Fail)
            return failure(error);
        if (o == Matcher::Outcome::Hit || W == 0)
            break;
        L = W - 1;
        W = std::max(W - BackwardWindow - P, 0);
    }
    if (o != Matcher::Outcome::Hit)
        return {}; // cannot happen after step 1; never guess
    // 4-6. Walk the window's matches; the last one beginning before S wins.
    // Each match is found on the whole text, so one longer than the window
    // is found whole.
    int bestStart = s, bestEnd = e;
    int pos = m.after(s, e);
    while (pos <= S - 1) {
        o = m.find(pos, S - 1, s, e, error);
        if (o == Matcher::Outcome::Fail)
            return failure(error);
        if (o == Matcher::Outcome::Miss)
            break;
        bestStart = s;
        bestEnd = e;
        pos = m.after(s, e);
    }
    return hit(info, bestStart, bestEnd);
}

SearchResult SearchFirst(QStringView text, TSearchInfo &info, QStringView word, TSearchOptions options)
{
    if (!acceptable(text, info, word))
        return {};
    const int from = std::max(info.Start - 1, 0);
    if (from >= text.size())
        return {};
    return firstMatchFrom(text, info, word, options, from);
}

SearchResult SearchAll(QStringView text, TSearchInfo &info, QStringView word, QStringList &list,
                       TSearchOptions options)
{
    if (!acceptable(text, info, word) || info.Start >= text.size())
        return {};
    Matcher m(text);
    SearchError error;
    if (!m.compile(BuildSearchPattern(word, options), error))
        return failure(error);
    const int len = m.length();
    bool any = false;
    int firstStart = 0, firstEnd = 0;
    int pos = 0;
    while (pos <= len) {
        int s = 0, e = 0;
        const Matcher::Outcome o = m.find(pos, -1, s, e, error);
        if (o == Matcher::Outcome::Fail)
            return failure(error); // the list keeps what was found so far
        if (o == Matcher::Outcome::Miss)
            break;
        if (!any) {
            any = true;
            firstStart = s;
            firstEnd = e;
        }
        list.append(QString::number(s));
        pos = m.after(s, e);
    }
    if (!any)
        return {};
    return hit(info, firstStart, firstEnd);
}

struct LineMatcher::Impl {
    SearchPattern pattern;
    std::unique_ptr<Matcher> valid;   // for subjects without lone surrogates
    std::unique_ptr<Matcher> invalid; // compiled when the first such subject comes
};

LineMatcher::LineMatcher(QStringView word, TSearchOptions options)
    : m_impl(std::make_unique<Impl>())
{
    m_impl->pattern = BuildSearchPattern(word, options);
    m_empty = word.isEmpty();
    if (m_empty)
        return;
    m_impl->valid = std::make_unique<Matcher>(false);
    if (!m_impl->valid->compile(m_impl->pattern, m_error))
        m_impl->valid.reset();
}

LineMatcher::~LineMatcher() = default;

SearchResult LineMatcher::first(QStringView subject, TSearchInfo &info, int from)
{
    if (m_empty || m_error.isError() || subject.isEmpty() || from < 0 || from >= subject.size())
        return m_error.isError() ? failure(m_error) : SearchResult{};
    Matcher *m = m_impl->valid.get();
    if (!IsValidUtf16(subject)) {
        if (!m_impl->invalid) {
            m_impl->invalid = std::make_unique<Matcher>(true);
            if (!m_impl->invalid->compile(m_impl->pattern, m_error)) {
                m_impl->invalid.reset();
                return failure(m_error);
            }
        }
        m = m_impl->invalid.get();
    }
    m->setSubject(subject);
    int s = 0, e = 0;
    SearchError error;
    switch (m->find(from, -1, s, e, error)) {
    case Matcher::Outcome::Hit: return hit(info, s, e);
    case Matcher::Outcome::Fail: return failure(error);
    case Matcher::Outcome::Miss: break;
    }
    return {};
}

TSearchOptions SetOptions(const IniFile &ini, int searchNext)
{
    const QString section = QStringLiteral("Options");
    TSearchOptions o;
    if (ini.readBool(section, QStringLiteral("MatchCase"), false))
        o.add(TSearchOption::sfrMatchCase);
    if (ini.readBool(section, QStringLiteral("WholeWord"), false))
        o.add(TSearchOption::sfrWholeWord);
    if (ini.readBool(section, QStringLiteral("RegExp"), false))
        o.add(TSearchOption::sfrRegExp);
    if (ini.readBool(section, QStringLiteral("IncludeCRLF"), false))
        o.add(TSearchOption::sfrIncludeCRLF).add(TSearchOption::sfrIncludeSpace);
    if (searchNext == 1)
        o.add(TSearchOption::sfrDown);
    return o;
}

} // namespace quillon
