// The line-number gutter: a row every 16 pixels in the strip left of the
// editing field, printed straight onto the editor window by a pass of the
// main loop. A repaint of the window erases it and the next pass draws it
// again, as does a pass that finds the field scrolled; an idle editor
// draws nothing.
#include "app/app.h"
#include "app/app_state.h"
#include "app/edit_field.h"

namespace {
constexpr int32_t ROW_HEIGHT = 16; // assumed height of an editing-field line

// What the gutter shows now; stale when a repaint may have erased it.
struct Drawn {
  bool stale = true;
  int32_t first = -1, rows = -1;
} g_drawn;
} // namespace

void gutter_erased() { g_drawn.stale = true; }

void gutter_draw() {
  if (line_numbers_on != 1 || script_running != 0) {
    g_drawn.stale = true;
    return;
  }
  int32_t rows = client_height / ROW_HEIGHT;
  // Nothing scrolls the field while the pass draws: one question will do.
  int32_t first = edit_field_first_visible_line();
  if (!g_drawn.stale && first == g_drawn.first && rows == g_drawn.rows) return;
  g_drawn = {false, first, rows};
  for (int32_t r = 1; r <= rows; ++r) {
    win_move(&editor_window, 1, ROW_HEIGHT * r - 10);
    TempText number(num_to_text(first + r));
    TempText text(text_concat(number.get(), "----------"));
    win_print(4, VT_WINDOW, &editor_window, VT_STRING, text.get(), VT_BYTE, 13, VT_BYTE, 10);
  }
}
