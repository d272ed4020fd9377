#pragma once
// The command line of the search modes: the find dialog's options
// (--match-case, --whole-word, --regexp, --include-crlf), "--" ending them,
// and the operands WORD FILE.
#include "TSearchOption.h"

#include <QStringList>

namespace quillon {

struct SearchArguments {
    TSearchOptions options;
    QStringList operands;
    QString unknownOption; // the first "--" option no mode knows; empty when none

    // start: the options every search of the mode has besides these.
    [[nodiscard]] static SearchArguments parse(const QStringList &args, TSearchOptions start = {});
};

} // namespace quillon
