// The launcher's parameter template and the file it is given: whatever the
// template, the macros never change how it splits into arguments, and a file
// name (with blanks, quotes, ';', "$(...)" or line ends) reaches the program
// as exactly one argument, never read again as template text.
#include "FuzzInput.h"
#include "LauncherEntry.h"
#include "LauncherOptions.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input in(data, size);
    const int line = int(in.word());
    const QString templateText = in.text();
    const QString file = in.text();
    const LauncherContext context{file, line % 3 == 0 ? std::nullopt : std::optional<int>(line)};

    (void)LauncherOptions::parameterText(templateText, context);
    (void)LauncherEntry::menuCaption(QStringLiteral("Program &1"), templateText);
    const QList<LauncherOptions::Word> words = LauncherOptions::splitCommandLine(templateText);
    const QStringList args = LauncherOptions::arguments(templateText, context);
    FUZZ_CHECK(args.size() <= words.size());
    FUZZ_CHECK(LauncherOptions::replaceMacros(QStringLiteral("$(FileNameEx)"), context) == file);

    if (!file.isEmpty()) {
        FUZZ_CHECK(LauncherOptions::arguments(QStringLiteral("$(FileNameEx)"), context) == QStringList{file});
        FUZZ_CHECK(LauncherOptions::arguments(QStringLiteral("-n \"$(FileNameEx)\" +$(CurLine)"), context).at(1)
                   == file);
    }
    return 0;
}
