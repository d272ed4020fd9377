// The launcher's parameter template and what the started program receives:
// the macro table, the command-line split, and a real program (the argv
// recorder) started with hostile file names, checked byte for byte.
#include "support/CaseNames.h"
#include "support/TempHome.h"

#include "AutoExitTarget.h"
#include "LauncherEntry.h"
#include "LauncherMessages.h"
#include "LauncherOptions.h"
#include "ProgramStarter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <optional>

using namespace quillon;

namespace {

const QString spaced = QStringLiteral("/tmp/a b/x.txt");

struct MacroCase {
    const char *name;
    const char16_t *templateText;
    QString fileName;
    std::optional<int> line;
    const char16_t *parameterText;
    QStringList arguments;
};

const MacroCase macroCases[] = {
    {"whole_template_is_the_file_macro", u"$(FileNameEx)", spaced, 1, u"\"/tmp/a b/x.txt\"", {spaced}},
    {"mery_example_on_line_5", u"/l $(CurLine) \"$(FileNameEx)\"", spaced, 5, u"/l 5 \"/tmp/a b/x.txt\"",
     {QStringLiteral("/l"), QStringLiteral("5"), spaced}},
    // Unquoted in the template, the path is still one argument.
    {"hidemaru_example_unquoted_path", u"/J $(CurLine) $(FileNameEx)", spaced, 5, u"/J 5 /tmp/a b/x.txt",
     {QStringLiteral("/J"), QStringLiteral("5"), spaced}},
    {"line_macro_without_a_file", u"-n$(CurLine)", QString(), 1, u"-n1", {QStringLiteral("-n1")}},
    {"file_macro_without_a_file", u"$(FileNameEx)", QString(), 1, u"", {}},
    {"lower_case_macro_passed_on", u"$(filenameex)", spaced, 1, u"$(filenameex)", {QStringLiteral("$(filenameex)")}},
    {"file_macro_twice", u"$(FileNameEx) --diff $(FileNameEx)", spaced, 2, u"/tmp/a b/x.txt --diff /tmp/a b/x.txt",
     {spaced, QStringLiteral("--diff"), spaced}},
    {"no_lines_in_the_view", u"+$(CurLine) x", spaced, std::nullopt, u"+ x", {QStringLiteral("+"), QStringLiteral("x")}},
    // A file name that holds a macro's text is put in, never read again.
    {"file_name_holding_a_macro", u"$(FileNameEx) $(CurLine)", QStringLiteral("/t/a$(CurLine)b.txt"), 7,
     u"/t/a$(CurLine)b.txt 7", {QStringLiteral("/t/a$(CurLine)b.txt"), QStringLiteral("7")}},
    {"written_empty_argument_kept", u"\"\" $(FileNameEx)", QString(), 1, u"\"\" ", {QString()}},
    {"doubled_quote_inside_quotes", u"\"say \"\"hi\"\"\"\tx", QString(), 1, u"\"say \"\"hi\"\"\"\tx",
     {QStringLiteral("say \"hi\""), QStringLiteral("x")}},
    {"quotes_glue_parts_of_one_argument", u"--file=\"$(FileNameEx)\":$(CurLine)", spaced, 3,
     u"--file=\"/tmp/a b/x.txt\":3", {QStringLiteral("--file=/tmp/a b/x.txt:3")}},
};

class Macros : public ::testing::TestWithParam<MacroCase> {};

TEST_P(Macros, ParameterTextAndArguments)
{
    const MacroCase &c = GetParam();
    const LauncherContext context{c.fileName, c.line};
    const QString templateText = QString::fromUtf16(c.templateText);
    EXPECT_EQ(LauncherOptions::parameterText(templateText, context), QString::fromUtf16(c.parameterText));
    EXPECT_EQ(LauncherOptions::arguments(templateText, context), c.arguments);
}

INSTANTIATE_TEST_SUITE_P(Launcher, Macros, ::testing::ValuesIn(macroCases), test::CaseName{});

// ---- a real program started ------------------------------------------------

bool waitForFile(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(path)) {
        if (clock.elapsed() > 15000)
            return false;
        QThread::msleep(10);
    }
    return true;
}

// What the recorder wrote: its working folder, then its arguments.
QStringList recorded(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList parts = QString::fromLocal8Bit(f.readAll()).split(QChar(0));
    parts.removeLast(); // after the last NUL
    return parts;
}

// The recorder copied into a folder whose name needs quoting itself.
class StartedProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        programDir = dir.filePath(QStringLiteral("my tools; $(x)"));
        ASSERT_TRUE(QDir().mkpath(programDir));
        program = programDir + QStringLiteral("/recorder");
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUILLON_ARGV_RECORDER), program));
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
        out = dir.filePath(QStringLiteral("argv.out"));
        qputenv("QUILLON_ARGV_OUT", QFile::encodeName(out));
    }
    void TearDown() override { qunsetenv("QUILLON_ARGV_OUT"); }

    QStringList run(const QStringList &arguments)
    {
        QFile::remove(out);
        const StartResult r = ProgramStarter::startDetached(program, arguments);
        EXPECT_TRUE(r.ok()) << r.systemText.toStdString();
        EXPECT_TRUE(waitForFile(out));
        return recorded(out);
    }

    QTemporaryDir dir;
    QString programDir, program, out;
};

TEST_F(StartedProgram, HostileFileNamesArriveAsOneArgument)
{
    const QString canary = dir.filePath(QStringLiteral("PWNED"));
    const QStringList names = {
        QStringLiteral("plain.txt"),
        QStringLiteral("two  spaces and\ttab.txt"),
        QStringLiteral("semi;colon; touch PWNED;.txt"),
        QStringLiteral("$(touch PWNED).txt"),
        QStringLiteral("`touch PWNED`.txt"),
        QStringLiteral("quote\"in\"side.txt"),
        QStringLiteral("it's.txt"),
        QStringLiteral("back\\slash.txt"),
        QStringLiteral("glob*?[a].txt"),
        QStringLiteral("pipe|amp&gt>lt<.txt"),
        QStringLiteral("line\nbreak.txt"),
        QStringLiteral("-starts-with-dash.txt"),
        QString::fromUtf16(u"日本語 ファイル　名.txt"),
        QStringLiteral("$(CurLine).txt"),
    };
    const QStringList templates = {QStringLiteral("$(FileNameEx)"),
                                   QStringLiteral("/l $(CurLine) \"$(FileNameEx)\""),
                                   QStringLiteral("/J $(CurLine) $(FileNameEx)")};
    for (const QString &name : names) {
        const QString file = dir.filePath(name);
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
        f.close();
        for (const QString &templateText : templates) {
            SCOPED_TRACE(name.toStdString() + " | " + templateText.toStdString());
            const LauncherContext context{file, 12};
            const QStringList got = run(LauncherOptions::arguments(templateText, context));
            ASSERT_FALSE(got.isEmpty());
            EXPECT_EQ(got.first(), programDir); // started in its own folder
            EXPECT_EQ(got.last(), file);
            if (templateText != QLatin1String("$(FileNameEx)")) {
                EXPECT_EQ(got.mid(1, 2), (QStringList{templateText.left(2), QStringLiteral("12")}));
            }
            EXPECT_EQ(got.size(), templateText == QLatin1String("$(FileNameEx)") ? 2 : 4);
        }
    }
    EXPECT_FALSE(QFile::exists(canary));
    EXPECT_FALSE(QFile::exists(programDir + QStringLiteral("/PWNED")));
}

TEST_F(StartedProgram, RefusalsSayWhy)
{
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("just text\n");
    }
    // Marked executable, but no program the system can run.
    const QString garbage = dir.filePath(QStringLiteral("garbage"));
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("\x7f" "ELF\x01\x02 not really", 16));
        f.setPermissions(f.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    }
    struct Refusal {
        QString path;
        StartResult::Failure failure;
    };
    const Refusal refusals[] = {
        {dir.filePath(QStringLiteral("missing")), StartResult::Failure::Missing},
        {programDir, StartResult::Failure::IsFolder},
        {text, StartResult::Failure::NotExecutable},
        {garbage, StartResult::Failure::System},
    };
    for (const Refusal &r : refusals) {
        SCOPED_TRACE(r.path.toStdString());
        const StartResult result = ProgramStarter::startDetached(r.path, {});
        EXPECT_EQ(result.failure, r.failure);
        EXPECT_FALSE(result.ok());
        const MessageText message = LauncherMessages::startFailed(r.path, result);
        // The path, then a reason of its own in each language.
        EXPECT_TRUE(message.japanese.startsWith(QString::fromUtf16(u"Information : 外部プログラムの実行が失敗しました\r\n") + r.path + QStringLiteral("\r\n")));
        EXPECT_GT(message.japanese.size(), message.japanese.indexOf(r.path) + r.path.size() + 4);
        EXPECT_TRUE(message.english.startsWith(QStringLiteral("Information : Execute progran can not run.\r\n") + r.path + QStringLiteral("\r\n")));
        EXPECT_TRUE(message.english.endsWith(QStringLiteral("\r\n[OK]")));
        if (r.failure == StartResult::Failure::System) {
            EXPECT_FALSE(result.systemText.isEmpty());
        }
    }
}

// ---- settings and captions -----------------------------------------------------

TEST(LauncherEntries, RoundTripThroughTheSettingsFile)
{
    test::TempHome home;
    IniFile ini(AppPaths::settingsPath());
    ASSERT_TRUE(ini.createIfMissing());
    EXPECT_EQ(LauncherEntry::read(ini, 3), LauncherEntry{});
    const LauncherEntry e{QStringLiteral("/opt/ed it/ed"), QStringLiteral("/l $(CurLine) \"$(FileNameEx)\""), true};
    e.write(ini, 3);
    EXPECT_EQ(LauncherEntry::read(IniFile(AppPaths::settingsPath()), 3), e);
    EXPECT_EQ(ini.readString(QStringLiteral("Launcher3"), QStringLiteral("AutoExit")), QStringLiteral("1"));
    EXPECT_EQ(LauncherEntry::read(ini, 2), LauncherEntry{});
}

TEST(LauncherEntries, MenuCaptions)
{
    const QString base = QString::fromUtf16(u"外部プログラム １ 起動(&U) ");
    EXPECT_EQ(LauncherEntry::menuCaption(base, QStringLiteral("C:\\tool\\Mery.exe")), base + QStringLiteral(" Mery.exe"));
    EXPECT_EQ(LauncherEntry::menuCaption(base, QStringLiteral("/usr/bin/gedit")), base + QStringLiteral(" gedit"));
    EXPECT_EQ(LauncherEntry::menuCaption(base, QString()), base + QStringLiteral(" "));
    // An '&' in the name is shown, not taken as an access key.
    EXPECT_EQ(LauncherEntry::menuCaption(base, QStringLiteral("/opt/R&D/edit&go")), base + QStringLiteral(" edit&&go"));
}

TEST(LauncherMessagesText, MissingProgram)
{
    const MessageText m = LauncherMessages::programMissing(QStringLiteral("/opt/none"));
    EXPECT_EQ(m.japanese, QString::fromUtf16(u"Information : 外部プログラムがありません\r\n/opt/none"));
    EXPECT_EQ(m.english, QStringLiteral("Information : Execute program is not exist.\r\n/opt/none\r\n[OK]"));
}

TEST(AutoExit, TheWindowShowingTheFileAndNotAViewer)
{
    const QStringList titles = {QStringLiteral("/home/u/A.txt - Quillon"), QStringLiteral("Terminal"),
                                QStringLiteral("a.txt (/home/u) - gedit"), QStringLiteral("/HOME/U/A.TXT - Editor")};
    EXPECT_EQ(AutoExitTarget::pick(titles, QStringLiteral("/home/u/a.txt")), 3);
    EXPECT_EQ(AutoExitTarget::pick(titles.first(2), QStringLiteral("/home/u/a.txt")), -1);
    EXPECT_EQ(AutoExitTarget::pick(titles, QString()), -1);
}

} // namespace
