#pragma once
// The three forms of the command line: nothing or one file, "hwnd=HANDLE"
// and a file (started by the filer), or more (an empty viewer).
#include <QString>
#include <QStringList>

namespace quillon {

struct StartArguments {
    enum class Form { Plain, Filer, TooMany };
    Form form = Form::Plain;
    QString path;        // the file to open, not yet checked; empty: none
    QString harboHandle; // the filer's window handle; empty for "%h" or none
    bool badHandle = false; // "hwnd=" was followed by something not a number

    // args: the command line without the program name and our own options.
    [[nodiscard]] static StartArguments parse(const QStringList &args);
};

} // namespace quillon
