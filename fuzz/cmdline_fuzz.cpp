// The command lines: the window's own and the two search modes'. Any list of
// arguments parses; a file given after "--" is never taken for an option.
#include "CommandLine.h"
#include "FuzzInput.h"
#include "SearchArguments.h"
#include "StartArguments.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::Input in(data, size);
    QStringList args;
    while (!in.atEnd() && args.size() < 16)
        args.append(in.text());

    const WindowCommandLine window = WindowCommandLine::parse(args);
    FUZZ_CHECK(window.optionCount >= 0 && window.optionCount <= args.size());
    (void)StartArguments::parse(args);
    (void)SearchArguments::parse(args);

    // Everything behind "--" stays a file name.
    QStringList withFiles = args;
    withFiles.prepend(QStringLiteral("--"));
    FUZZ_CHECK(WindowCommandLine::parse(withFiles).afterDashes == args);
    FUZZ_CHECK(WindowCommandLine::parse(withFiles).badOption.isEmpty());
    return 0;
}
