#include "SearchArguments.h"

namespace quillon {

SearchArguments SearchArguments::parse(const QStringList &args, TSearchOptions start)
{
    SearchArguments a;
    a.options = start;
    bool optionsDone = false;
    for (const QString &arg : args) {
        if (optionsDone || !arg.startsWith(QLatin1String("--"))) {
            a.operands << arg;
        } else if (arg == QLatin1String("--")) {
            optionsDone = true;
        } else if (arg == QLatin1String("--match-case")) {
            a.options.add(TSearchOption::sfrMatchCase);
        } else if (arg == QLatin1String("--whole-word")) {
            a.options.add(TSearchOption::sfrWholeWord);
        } else if (arg == QLatin1String("--regexp")) {
            a.options.add(TSearchOption::sfrRegExp);
        } else if (arg == QLatin1String("--include-crlf")) {
            // As the settings key does: line breaks and spaces both.
            a.options.add(TSearchOption::sfrIncludeCRLF).add(TSearchOption::sfrIncludeSpace);
        } else if (a.unknownOption.isEmpty()) {
            a.unknownOption = arg;
        }
    }
    return a;
}

} // namespace quillon
