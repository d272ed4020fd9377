#include "LoadOutcome.h"

#include "MainMessages.h"

namespace quillon {

LoadOutcome LoadOutcome::of(const LoadedText &loaded, const QString &path)
{
    LoadOutcome o;
    using S = LoadedText::Status;
    switch (loaded.status) {
    case S::Missing:
        o.kind = Kind::Missing;
        o.message = fileNotExistMessage();
        return o;
    case S::CannotRead:
        o.kind = Kind::Refused;
        o.message = cannotReadMessage(path, loaded.reasonJapanese, loaded.reasonEnglish);
        return o;
    case S::TooLarge:
        o.kind = Kind::Refused;
        o.message = tooLargeMessage(path);
        return o;
    case S::DecodeError:
        o.kind = Kind::DecodeFailed;
        o.message = MainMessages::decodeError(loaded.reasonJapanese, loaded.reasonEnglish);
        break;
    case S::Ok:
        o.kind = Kind::Shown;
        break;
    }
    o.noteLfInCrLf = loaded.lfInCrLf;
    o.noteUnknownChar = loaded.unknownChar;
    o.readOnly = loaded.readOnlyAttribute || loaded.unknownChar;
    return o;
}

} // namespace quillon
