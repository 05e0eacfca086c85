// The line-number gutter: a row every 16 pixels in the strip left of the
// editing field, printed straight onto the editor window on every pass of
// the main loop. The next repaint erases it and the next pass draws it again.
#include "app/app.h"
#include "app/app_state.h"
#include "app/edit_field.h"

namespace {
constexpr int32_t ROW_HEIGHT = 16; // assumed height of an editing-field line
}

void gutter_draw() {
  if (line_numbers_on != 1 || script_running != 0) return;
  int32_t rows = client_height / ROW_HEIGHT;
  // Nothing scrolls the field while the pass draws: one question will do.
  int32_t first = edit_field_first_visible_line();
  for (int32_t r = 1; r <= rows; ++r) {
    win_move(&editor_window, 1, ROW_HEIGHT * r - 10);
    TempText number(num_to_text(first + r));
    TempText text(text_concat(number.get(), "----------"));
    win_print(4, VT_WINDOW, &editor_window, VT_STRING, text.get(), VT_BYTE, 13, VT_BYTE, 10);
  }
}
