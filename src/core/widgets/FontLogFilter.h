#pragma once
// Qt's font engine warns "OpenType support missing for <font>, script <n>"
// each time it shapes a script that the chosen fallback font has no OpenType
// tables for. A hex dump or a binary file opened as text reaches many such
// scripts and prints hundreds of these lines; they say nothing a user can act
// on. Qt 6.4 logs them in the default category, so no logging rule can single
// them out: a message handler drops them and passes everything else on.
namespace quillon {

class FontLogFilter {
public:
    FontLogFilter() = delete;
    // Idempotent; keeps the handler that was installed before.
    static void install();
};

} // namespace quillon
