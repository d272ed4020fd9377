#include "KeyMapParent.h"

#include "AppPaths.h"

namespace quillon {

KeyMapParent KeyMapParent::forName(const QString &parentName)
{
    KeyMapParent p;
    if (parentName == QLatin1String("FindAll")) {
        p.name = parentName;
        p.files = KeyMapFileNames::findAllWindow();
        p.commandLanguageFile = QStringLiteral("FindAll.txt");
        p.categoryCodes = {QStringLiteral("1001"), QStringLiteral("1101"), QStringLiteral("1201"),
                           QStringLiteral("1301"), QStringLiteral("1401"), QStringLiteral("1501")};
        return p;
    }
    p.name = QStringLiteral("Main");
    p.files = KeyMapFileNames::mainWindow();
    p.commandLanguageFile = QStringLiteral("Main.txt");
    for (const char *code : {"1001", "1101", "1201", "1301", "1401", "1501", "1601", "1701", "1801", "1901", "1951"})
        p.categoryCodes.append(QString::fromLatin1(code));
    return p;
}

QString KeyMapParent::keyMapPath() const
{
    return AppPaths::besideProgram(files.keyMap);
}

QString KeyMapParent::differencePath() const
{
    return AppPaths::besideProgram(files.difference);
}

} // namespace quillon
