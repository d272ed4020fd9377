#pragma once
// What the main window knows about the hex dump of the loaded file: the
// mode (whole file or one page of 65536 bytes), the page shown, whether the
// dump was built for this file, and the busy flag of a load. The rules of
// the dump commands are answered here, free of widgets.
#include "HexPaging.h"

#include <optional>

namespace quillon {

class HexDumpSession {
public:
    enum class Mode { WholeFile, Pages };
    enum class PageCommand { First, Previous, Next, Last };

    // Whole-file mode asks before building a dump of more bytes than this.
    static constexpr qint64 SizeQuestionLimit = 524288;

    [[nodiscard]] Mode mode() const { return m_mode; }
    void setMode(Mode mode) { m_mode = mode; }
    // The two settings keys; exactly one is on (page mode when both or neither say so).
    void setModeFromSettings(bool loadAll, bool loadRange) { m_mode = loadAll && !loadRange ? Mode::WholeFile : Mode::Pages; }

    [[nodiscard]] bool shown() const { return m_shown; }
    void setShown(bool on) { m_shown = on; }
    [[nodiscard]] bool busy() const { return m_busy; }
    void setBusy(bool on) { m_busy = on; }
    [[nodiscard]] bool built() const { return m_built; }

    // A file was loaded: nothing built, page 0.
    void reset();

    // Showing the dump in whole-file mode first asks about a large file.
    [[nodiscard]] bool asksBeforeShowing(qint64 fileSize) const
    {
        return m_mode == Mode::WholeFile && !m_built && fileSize > SizeQuestionLimit;
    }
    [[nodiscard]] static bool asksForWholeFile(qint64 fileSize) { return fileSize > SizeQuestionLimit; }

    // The page a page command goes to, or nothing when it does nothing: in
    // whole-file mode, while busy, before anything was built, and at the
    // first (First, Previous) or last page (Next, Last).
    [[nodiscard]] std::optional<qint64> pageFor(PageCommand command) const;
    [[nodiscard]] qint64 pageIndex() const { return m_pageIndex; }
    void setPageIndex(qint64 index) { m_pageIndex = index; }

    // The bytes a build shows for a file of fileSize bytes now; remembers
    // the size, the range and that the dump is built.
    HexRange build(qint64 fileSize);
    [[nodiscard]] const HexRange &range() const { return m_range; }
    [[nodiscard]] qint64 readFileSize() const { return m_readFileSize; }

private:
    Mode m_mode = Mode::Pages;
    bool m_shown = false;
    bool m_busy = false;
    bool m_built = false;
    qint64 m_pageIndex = 0;
    qint64 m_readFileSize = 0;
    HexRange m_range;
};

} // namespace quillon
