// The help texts: decoded by their byte-order mark (checked against Qt's own
// converters), missing, unreadable or not text at all, and which file each
// language reads.
#include "support/CaseNames.h"
#include "support/TempHome.h"

#include "HelpFile.h"
#include "SystemCodePage.h"

#include <QFile>
#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace quillon;

namespace {

// Tabs, both kinds of line end, kana, kanji, a character outside the BMP.
const QString sample = QString::fromUtf16(u"ヘルプ\tQuillon\r\n検索(&F)  F\n😀 end");
// The same text as the view holds it: every line end CR LF.
const QString shownSample = QString::fromUtf16(u"ヘルプ\tQuillon\r\n検索(&F)  F\r\n😀 end");

QByteArray encoded(QStringConverter::Encoding encoding, bool mark)
{
    QStringEncoder encoder(encoding, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    return encoder.encode(sample);
}

struct MarkCase {
    const char *name;
    QStringConverter::Encoding encoding;
};

const MarkCase markCases[] = {
    {"utf8_mark", QStringConverter::Utf8},
    {"utf16_little_endian_mark", QStringConverter::Utf16LE},
    {"utf16_big_endian_mark", QStringConverter::Utf16BE},
};

class HelpDecoding : public ::testing::TestWithParam<MarkCase> {};

TEST_P(HelpDecoding, TheMarkChoosesTheDecoder)
{
    const QByteArray bytes = encoded(GetParam().encoding, true);
    const HelpText help = HelpFile::decode(bytes);
    EXPECT_EQ(help.status, HelpText::Status::Shown);
    EXPECT_EQ(help.text->text(), shownSample);
}

INSTANTIATE_TEST_SUITE_P(Table, HelpDecoding, ::testing::ValuesIn(markCases), test::CaseName{});

TEST(HelpDecoding, WithoutAMarkTheSystemCodePage)
{
    if (systemDecoderKind() != DecoderKind::Utf8Lenient)
        GTEST_SKIP() << "the system code page is not UTF-8 here";
    EXPECT_EQ(HelpFile::decode(encoded(QStringConverter::Utf8, false)).text->text(), shownSample);
    // Bytes that are not UTF-8 are shown as replacement characters, not refused.
    const HelpText help = HelpFile::decode(QByteArray("a\x93\xfa" "b"));
    EXPECT_EQ(help.status, HelpText::Status::Shown);
    EXPECT_EQ(help.text->text(), QStringLiteral("a\uFFFD\uFFFDb"));
}

TEST(HelpDecoding, EmptyAndOnlyTheMark)
{
    EXPECT_TRUE(HelpFile::decode(QByteArray()).text->isEmpty());
    EXPECT_TRUE(HelpFile::decode(QByteArray("\xFF\xFE", 2)).text->isEmpty());
    EXPECT_TRUE(HelpFile::decode(QByteArray("\xEF\xBB\xBF")).text->isEmpty());
}

TEST(HelpFiles, MissingUnreadableBinaryOrHuge)
{
    test::TempHome home;
    const HelpText missing = HelpFile::load(home.file(QStringLiteral("Quillon.txt")));
    EXPECT_EQ(missing.status, HelpText::Status::Missing);
    EXPECT_TRUE(missing.text->isEmpty());

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i & 0xFF));
    const HelpText notText = HelpFile::load(home.write(QStringLiteral("bin.txt"), binary));
    EXPECT_EQ(notText.status, HelpText::Status::NotText);
    EXPECT_TRUE(notText.text->isEmpty());

    const QString huge = home.write(QStringLiteral("huge.txt"), QByteArray("x"));
    {
        QFile f(huge);
        ASSERT_TRUE(f.resize(HelpFile::MaxBytes + 1)); // sparse: no real bytes written
    }
    EXPECT_EQ(HelpFile::load(huge).status, HelpText::Status::NotText);

    const QString locked = home.write(QStringLiteral("locked.txt"), encoded(QStringConverter::Utf8, true));
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    QFile::setPermissions(home.path(), QFileDevice::Permissions(0x7777));
    {
        test::PermissionsApply apply;
        EXPECT_EQ(HelpFile::load(locked).status, HelpText::Status::Unreadable);
    }

    const MessageText message = HelpFile::message(HelpText::Status::NotText, huge);
    EXPECT_TRUE(message.japanese.startsWith(QString::fromUtf16(u"Error : ")));
    EXPECT_TRUE(message.english.endsWith(QStringLiteral("[OK]")));
    EXPECT_TRUE(message.english.contains(huge));
}

TEST(HelpFiles, EachLanguageItsOwnFileAndEnglishFallsBack)
{
    test::TempHome home;
    EXPECT_EQ(HelpFile::fileName(HelpFile::Kind::General, true), QStringLiteral("Quillon.txt"));
    EXPECT_EQ(HelpFile::fileName(HelpFile::Kind::Grid, true), QStringLiteral("Quillon2.txt"));
    EXPECT_EQ(HelpFile::fileName(HelpFile::Kind::General, false), QStringLiteral("Quillon-en.txt"));
    EXPECT_EQ(HelpFile::fileName(HelpFile::Kind::Grid, false), QStringLiteral("Quillon2-en.txt"));
    // Without an English text the Japanese one is shown rather than nothing.
    EXPECT_EQ(HelpFile::path(HelpFile::Kind::Grid, false), home.file(QStringLiteral("Quillon2.txt")));
    home.write(QStringLiteral("Quillon2-en.txt"), "grid");
    EXPECT_EQ(HelpFile::path(HelpFile::Kind::Grid, false), home.file(QStringLiteral("Quillon2-en.txt")));
    EXPECT_EQ(HelpFile::path(HelpFile::Kind::Grid, true), home.file(QStringLiteral("Quillon2.txt")));
}

} // namespace
