#pragma once
// The multi-file search: every file of the loaded file's folder with the
// loaded file's extension, in natural order of the names, each decoded as the
// viewer decodes it (byte-order mark, else detection, and our decoders), and
// one result line per hit: "path*(line)[column]text of the line".
#include "FileMessages.h"
#include "SearchEngine.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace quillon {

// What searching one file gave.
struct FolderFileOutcome {
    enum class Status { Searched, CannotRead };
    Status status = Status::Searched;
    QString path;
    MessageText reason; // why it could not be read (CannotRead)
    QStringList lines;  // its result lines, in increasing offset
    SearchError error;  // an expression that does not compile or runs away
};

class FolderSearch {
public:
    FolderSearch() = delete;

    // The list is cut one line past this many result lines.
    static constexpr int LineLimit = 100000;
    static QString resultFileName() { return QStringLiteral("Quillon-FindFileAll.txt"); }

    // The files to search for a loaded file: its folder as the path writes it,
    // "/", each name. Hidden files count, folders and sub-folders do not; the
    // extension (from the last ".", dot included; none without a dot) is
    // compared with the ASCII letters upper-cased. Sorted by naturalCompare.
    [[nodiscard]] static QStringList listFiles(const QString &loadedPath);
    // Natural order of names: runs of ASCII digits compare by value, ASCII
    // letters without regard to case, the rest by code unit. Names equal by
    // that rule fall back to their exact code units, so the order is total.
    [[nodiscard]] static int naturalCompare(QStringView a, QStringView b);

    // "path*(line)[column]text".
    [[nodiscard]] static QString resultLine(const QString &path, int line, int column, QStringView text);
    // Decodes and searches one file. Every hit gives a line; several hits
    // on one line give several lines.
    [[nodiscard]] static FolderFileOutcome searchFile(const QString &path, QStringView word,
                                                      TSearchOptions options);

    // Where the hit of a result line lies inside the line (the text after
    // "*(line)[column]"): 0-based start in the line and length. The length is
    // that of the match at that column (a regular expression's match may be
    // longer or shorter than its word), else the word's. False for a line
    // that is not a result line.
    [[nodiscard]] static bool hitInResultLine(QStringView line, QStringView word, TSearchOptions options,
                                              int *start, int *length);

    // The messages of the run.
    [[nodiscard]] static MessageText limitMessage();
    [[nodiscard]] static MessageText stoppedMessage();
    [[nodiscard]] static MessageText continueQuestion();
    // A file that could not be read: the reason and its path.
    [[nodiscard]] static MessageText skipMessage(const FolderFileOutcome &outcome);
};

// The result list of one run, built in file order from the files' outcomes.
// Running the files on several threads changes nothing here: the outcomes
// come in file order and the list is cut at the same line.
class FolderSearchCollector {
public:
    // Appends the file's lines; false once the list holds more than
    // LineLimit lines (the limit flag is then set and nothing more is taken).
    bool add(const FolderFileOutcome &outcome);

    QStringList lines;
    bool limitReached = false; // cut one line past the limit
    bool stopped = false;      // the user stopped the run
    int filesDone = 0;
};

} // namespace quillon
