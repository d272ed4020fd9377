#pragma once
// A file still being decoded, as a line source: the whole lines decoded so
// far, read in place from the memory the load writes them to. It keeps the
// load alive while it is shown; refresh() takes in what came since.
#include "LineSource.h"
#include "TextLoadJob.h"

#include <memory>

namespace quillon {

class GrowingTextSource final : public LineSource {
public:
    explicit GrowingTextSource(std::shared_ptr<TextLoadJob> job);

    [[nodiscard]] const std::shared_ptr<TextLoadJob> &job() const { return m_job; }
    enum class Change { None, Grew, Replaced };
    // Takes in the lines decoded since: Grew when there are more, Replaced
    // when the lines shown were withdrawn (the source then holds the new
    // text, or none, from scratch).
    Change refresh();
    // The lines held are of the text the load is writing now (none of them
    // withdrawn since they were taken in).
    [[nodiscard]] bool current() const { return m_shown.era == m_job->progress().shown().era; }

    [[nodiscard]] int lineCount() const override { return m_lines; }
    [[nodiscard]] TextPos length() const override { return m_length; }
    [[nodiscard]] TextPos lineStart(int line) const override;
    [[nodiscard]] int lineLength(int line) const override;
    [[nodiscard]] int lineOf(TextPos pos) const override;
    [[nodiscard]] QStringView line(int line, QString &scratch) const override;
    [[nodiscard]] QString text(TextPos start, TextPos length) const override;
    [[nodiscard]] int longestLine() const override { return m_longest; }

private:
    bool takeIn(const TextShown &shown);

    std::shared_ptr<TextLoadJob> m_job;
    TextShown m_shown;
    int m_lines = 1;      // the whole lines shown (an empty text has one empty line)
    TextPos m_length = 0; // their units, without the last one's line end
    int m_longest = 0;
};

} // namespace quillon
