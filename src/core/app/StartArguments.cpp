#include "StartArguments.h"

namespace quillon {

StartArguments StartArguments::parse(const QStringList &args)
{
    StartArguments a;
    if (args.size() <= 1) {
        a.path = args.value(0);
        return a;
    }
    if (args.size() > 2) {
        a.form = Form::TooMany;
        return a;
    }
    a.form = Form::Filer;
    a.path = args[1];
    const QString &first = args[0];
    if (first.left(5).compare(QLatin1String("hwnd="), Qt::CaseInsensitive) == 0) {
        const QString handle = first.mid(5);
        bool ok = false;
        handle.toULongLong(&ok, 10);
        if (ok && handle != QLatin1String("%h"))
            a.harboHandle = handle;
        a.badHandle = !ok && handle != QLatin1String("%h");
    }
    return a;
}

} // namespace quillon
