// Key-map files of both windows, key texts and difference lists: no crash,
// and every key text that reads as a key writes back to text that reads as
// the same key.
#include "CommandCatalogue.h"
#include "FindAllKeyMap.h"
#include "FuzzInput.h"
#include "KeyChange.h"
#include "KeyDifference.h"
#include "KeyMapListing.h"
#include "KeyMapTranslation.h"
#include "KeyMapFile.h"
#include "KeyText.h"

using namespace quillon;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList lines = KeyMapFile::splitLines(KeyMapFile::decode(fuzz::bytes(data, size).toByteArray()));
    for (const QString &line : lines) {
        const KeyMapFields f = KeyText::splitKeyMapLine(line);
        for (QStringView part : {QStringView(line), f.keyText, f.code}) {
            const ShortCutValue v = KeyText::read(part);
            if (v == 0)
                continue;
            FUZZ_CHECK(KeyText::read(KeyText::write(v)) == v);
            // What the dialog's selectors show for it composes back to the same key.
            FUZZ_CHECK(KeyText::read(KeyChange::compose(KeyChange::parse(part))) == v);
            const QKeyCombination key = KeyText::toKeyCombination(v);
            if (key.key() != Qt::Key_unknown)
                FUZZ_CHECK(KeyText::read(KeyText::write(KeyText::fromKeyCombination(key))) != 0);
        }
        (void)KeyText::virtualKeyOfName(line);
    }
    (void)KeyText::lookUp(lines, u"1001");
    (void)FindAllKeyMap::keyOf(lines, u"1001");

    QStringList functions;
    KeyMapFile::GetFunctionList(lines, functions);

    // The lines as a difference list applied to each window's defaults.
    // The lines as the list window groups and sorts them, and as a language
    // file translating a map.
    (void)KeyMapListing::sortedView(KeyMapListing::GetKeySort1(lines));

    static const QStringList english = CommandCatalogue::InitKeyMap(0);
    QStringList translated = english;
    KeyMapTranslation::translate(false, translated, lines);

    static const QStringList mainDefaults[] = {CommandCatalogue::InitKeyMap(0), CommandCatalogue::InitKeyMap(1)};
    static const QStringList findAllDefaults[] = {FindAllKeyMap::InitKeyMap(0), FindAllKeyMap::InitKeyMap(1)};
    for (int exeType : {0, 1}) {
        for (const QStringList &defaults : {mainDefaults[exeType], findAllDefaults[exeType]}) {
            QStringList keyMap = defaults;
            KeyMapFile::applyDifference(keyMap, lines);
            FUZZ_CHECK(keyMap.size() == defaults.size());
            QStringList checked = defaults;
            (void)KeyDifference::apply(checked, lines);
            FUZZ_CHECK(checked.size() == defaults.size());
        }
    }
    return 0;
}
