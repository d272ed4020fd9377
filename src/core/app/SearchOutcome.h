#pragma once

namespace quillon {

// How a search of the main text ended.
enum class SearchOutcome {
    Hit,      // the match is selected
    NotFound, // said so in a message box
    Failed,   // the expression could not be used; the error box ended the command
};

} // namespace quillon
