// Writes the benchmark input: a Shift_JIS (code page 932) text of CR LF lines,
// mixed ASCII and Japanese, 20 to 120 bytes a line (70 on average). The output
// depends only on the line count, so every run and every machine measures the
// same bytes.
//
// usage: make_bench_file OUTPUT [LINES]     (LINES defaults to 1000000)

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// SplitMix64: tiny, fast and identical everywhere (unlike the std
// distributions, whose results differ between standard libraries).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // A number in [0, n); the bias of the modulo is far below anything measured.
    unsigned below(unsigned n) { return static_cast<unsigned>(next() % n); }

private:
    std::uint64_t state_;
};

// Common kanji as Shift_JIS pairs. Some have 0x5C ('\') or 0x7C ('|') as their
// second byte, which a byte-wise reader would take for ASCII.
constexpr std::uint16_t kKanji[] = {
    0x93fa, 0x967b, 0x8cea, 0x95b6, 0x8e9a, 0x955c, 0x8ea6, 0x8c9f, 0x8df5, 0x8d73, 0x97f1,
    0x93c7, 0x8d9e, 0x89e6, 0x96ca, 0x90dd, 0x92e8, 0x8a4a, 0x95c2, 0x95db, 0x91b6, 0x8f49,
    0x97b9, 0x95cf, 0x8ab7, 0x8abf, 0x89bc, 0x96bc, 0x9153, 0x8a70, 0x94bc, 0x945c, 0x8f91,
    0x8b9e, 0x9373, 0x938c, 0x90bc, 0x93ec, 0x966b, 0x8e52, 0x90ec, 0x9363, 0x9286, 0x91e5,
    0x8fac, 0x8fe3, 0x89ba, 0x944e, 0x8c8e, 0x8e9e, 0x95aa, 0x9562, 0x914f, 0x8ce3, 0x8db6,
    0x8945, 0x8f6f, 0x93fc, 0x90e6, 0x90b6, 0x8a77, 0x8d5a, 0x89ef, 0x8ed0, 0x9364, 0x9862,
    0x94d4, 0x8d86, 0x8f5a, 0x8f8a, 0x90a2, 0x8a45, 0x8ea9, 0x93ae, 0x8dc5, 0x8f89, 0x9056,
    0x8cc3, 0x8d82, 0x92e1, 0x92b7, 0x925a, 0x8bad, 0x8ee3, 0x9181, 0x9278, 0x91bd, 0x8fad,
    0x96be, 0x88c3, 0x9492, 0x8d95, 0x90d4, 0x90c2, 0x8b4d, 0x8f7c, 0x935c, 0x8c7c,
};
// Full-width punctuation: space, 、, 。, ・, ：, 「, 」.
constexpr std::uint16_t kPunctuation[] = {0x8140, 0x8141, 0x8142, 0x8145, 0x8146, 0x8175, 0x8176};
constexpr char kAsciiPunctuation[] = " ,.;:()[]-_=+/*!?#%&'\"<>@";

class LineMaker {
public:
    explicit LineMaker(Random &random) : random_(random) {}

    // Appends one line of exactly `length` bytes (without the line end).
    void make(std::string &out, unsigned length)
    {
        const std::size_t end = out.size() + length;
        while (out.size() < end) {
            const unsigned room = static_cast<unsigned>(end - out.size());
            const unsigned kind = random_.below(100);
            if (kind < 40)
                asciiWord(out, room);
            else if (kind < 65)
                pairs(out, room, 1 + random_.below(6), [this] { return hiragana(); });
            else if (kind < 77)
                pairs(out, room, 1 + random_.below(5), [this] { return katakana(); });
            else if (kind < 92)
                pairs(out, room, 1 + random_.below(4), [this] { return pick(kKanji); });
            else if (kind < 96)
                pairs(out, room, 1, [this] { return pick(kPunctuation); });
            else if (kind < 98)
                pairs(out, room, 1 + random_.below(4), [this] { return fullWidthAlnum(); });
            else
                out += '\t';
        }
    }

private:
    template <std::size_t N>
    std::uint16_t pick(const std::uint16_t (&table)[N]) { return table[random_.below(N)]; }

    // 0x829F ぁ .. 0x82F1 ん, all valid.
    std::uint16_t hiragana() { return static_cast<std::uint16_t>(0x829f + random_.below(0x82f1 - 0x829f + 1)); }
    // 0x8340 ァ .. 0x8396 ヶ, without the hole at 0x837F.
    std::uint16_t katakana()
    {
        auto code = static_cast<std::uint16_t>(0x8340 + random_.below(0x8396 - 0x8340));
        return code >= 0x837f ? static_cast<std::uint16_t>(code + 1) : code;
    }
    // ０-９ 0x824F.., Ａ-Ｚ 0x8260.., ａ-ｚ 0x8281..
    std::uint16_t fullWidthAlnum()
    {
        const unsigned n = random_.below(10 + 26 + 26);
        if (n < 10)
            return static_cast<std::uint16_t>(0x824f + n);
        if (n < 36)
            return static_cast<std::uint16_t>(0x8260 + n - 10);
        return static_cast<std::uint16_t>(0x8281 + n - 36);
    }

    template <typename Next>
    void pairs(std::string &out, unsigned room, unsigned count, Next next)
    {
        for (unsigned i = 0; i < count && room >= 2; ++i, room -= 2) {
            const std::uint16_t code = next();
            out += static_cast<char>(code >> 8);
            out += static_cast<char>(code & 0xff);
        }
        if (room == 1 && count > 0)
            out += static_cast<char>('a' + random_.below(26)); // a pair would not fit
    }

    void asciiWord(std::string &out, unsigned room)
    {
        static constexpr char kAlnum[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        const unsigned letters = 2 + random_.below(9);
        for (unsigned i = 0; i < letters && room > 0; ++i, --room)
            out += kAlnum[random_.below(sizeof kAlnum - 1)];
        if (room > 0)
            out += random_.below(3) == 0 ? kAsciiPunctuation[random_.below(sizeof kAsciiPunctuation - 1)] : ' ';
    }

    Random &random_;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT [LINES]\n", argv[0]);
        return 2;
    }
    const char *path = argv[1];
    unsigned long lines = 1000000;
    if (argc == 3) {
        char *end = nullptr;
        errno = 0;
        lines = std::strtoul(argv[2], &end, 10);
        if (errno != 0 || end == argv[2] || *end != '\0' || argv[2][0] == '-') {
            std::fprintf(stderr, "make_bench_file: not a line count: %s\n", argv[2]);
            return 2;
        }
    }

    std::FILE *file = std::fopen(path, "wb");
    if (!file) {
        std::fprintf(stderr, "make_bench_file: cannot create %s: %s\n", path, std::strerror(errno));
        return 1;
    }

    Random random(0x51A11E5EEDULL);
    LineMaker maker(random);
    std::string chunk;
    chunk.reserve(1 << 20);
    unsigned long long total = 0;
    bool ok = true;
    for (unsigned long i = 0; i < lines && ok; ++i) {
        maker.make(chunk, 20 + random.below(101));
        chunk += "\r\n";
        if (chunk.size() >= (1u << 20) - 256 || i + 1 == lines) {
            ok = std::fwrite(chunk.data(), 1, chunk.size(), file) == chunk.size();
            total += chunk.size();
            chunk.clear();
        }
    }
    if (std::fclose(file) != 0)
        ok = false;
    if (!ok) {
        std::fprintf(stderr, "make_bench_file: cannot write %s: %s\n", path, std::strerror(errno));
        std::remove(path);
        return 1;
    }
    std::printf("make_bench_file: wrote %lu lines, %llu bytes to %s\n", lines, total, path);
    return 0;
}
