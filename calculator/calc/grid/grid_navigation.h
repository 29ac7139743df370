// Moving through the parameter grid with the keyboard: Tab and Enter go to
// the next input row, Shift+Tab to the previous one, each focusing the
// row's in-place editor when it has one that takes the focus.
#pragma once

#include "state/calc_session.h"

namespace ovalto {

// Keys as the grid's key handlers see them.
inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyTab = 9;
inline constexpr char32_t kKeyEnter = 13;

// Makes row the grid's current row. Like a click on the grid, a change of
// the row leaves the row before (SGExit).
void SetGridRow(CalcSession& session, int row);

// With advance, goes down to the next row that is not a group header and
// focuses its editor (or the grid); nothing on the last row.
void SelectNextInputRow(CalcSession& session, bool advance);

// Shift+Tab: back to the previous row that is not a group header, never
// above the first input row.
void SelectPreviousInputRow(CalcSession& session);

// A character typed in the grid: the key to let through, or 0 when it is
// swallowed. Only digits, ",", "-" and Backspace reach a value cell ("."
// becomes ","); the derived values are not typed into; Tab and Enter move on.
char32_t SGKeyPress(CalcSession& session, char32_t key);

// A character typed in an in-place editor: Tab and Enter move on (0 is
// returned), every other key passes.
char32_t EditorKeyPress(CalcSession& session, char32_t key);

// An in-place editor got the focus: the grid's row follows it to the row of
// its variable.
void EditorEntered(CalcSession& session, const EditorState& editor);

}  // namespace ovalto
