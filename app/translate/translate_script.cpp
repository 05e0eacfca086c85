// Translate: the editing field's lines, each read whole, as the lines of an
// HTML page file the user names.
#include "app/app.h"
#include "app/app_state.h"
#include "app/file_choice.h"
#include "app/translate/translate.h"
#include "runtime/controls/controls.h"

namespace {
constexpr const char* HTML_FILTER = "Html files|*.html|All Files|*.*||";

int32_t field_line_count() {
  return ctl_command(&editor_window, EDIT_FIELD_ID, 12, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE, 0, VT_NONE);
}

// Writes one page line for every field line and one more for the index
// past the last (an empty line). False when a write did not go through.
bool write_page() {
  int script_mode = 0;
  for (int32_t index = 0; index <= field_line_count(); ++index) {
    char* source = ctl_line_text(&editor_window, EDIT_FIELD_ID, index);
    char* line = translate_line(source ? source : "", &script_mode);
    heap_free(source);
    int32_t length = text_len(line);
    int written = file_write(&file_channel, FILE_CHANNEL_TYPE, reinterpret_cast<ValueSlot>(line), VT_STRING, length);
    heap_free(line);
    if (written != length + 2) return false;
  }
  return true;
}
} // namespace

bool translate_field_to(const char* path) {
  bool written = file_open(&file_channel, FILE_CHANNEL_TYPE, path, "W") == 0;
  if (written) {
    written = write_page();
    file_close(&file_channel, FILE_CHANNEL_TYPE);
  }
  if (!written) file_problem_show(TRANSLATE_FAILED, path, "Translate");
  return written;
}

void translate_script() {
  char* path = nullptr;
  if (output_name_ask("Translate", HTML_FILTER, ".html", &path) != OutputChoice::chosen) return;
  text_global_set(&file_name, path);
  translate_field_to(file_name);
}
