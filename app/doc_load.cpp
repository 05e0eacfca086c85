// Load: the lines of a file, each kept whole, into the editing field.
#include <string>

#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/edit_field.h"
#include "app/file_choice.h"

namespace {
enum class ReadResult { read, too_large };

// Reads every line of the open file_channel into text, joined by carriage
// return and line feed, with no line break after the last line: loading
// what Save wrote gives back exactly the text that was saved.
ReadResult read_lines(std::string& text) {
  int result = 0;
  bool first = true;
  for (;;) {
    text_global_set(&file_line, file_read_line(&file_channel, FILE_CHANNEL_TYPE, &result));
    if (result != 0 || !file_line) return ReadResult::read;
    if (!first) text.append("\r\n");
    first = false;
    text.append(file_line, static_cast<size_t>(text_len(file_line)));
    if (text.size() > static_cast<size_t>(DOCUMENT_MOST)) return ReadResult::too_large;
  }
}

// Every line end but the last becomes two characters in the field, so a
// file more than two bytes longer than the most the field takes cannot fit.
bool file_surely_too_large() {
  LARGE_INTEGER size;
  return GetFileSizeEx(file_channel, &size) && size.QuadPart > DOCUMENT_MOST + 2;
}

// Lets the field hold a text of this length, with room to type beyond it.
void make_room(int32_t length) {
  if (length <= edit_field_limit()) return;
  int32_t limit = length <= DOCUMENT_MOST - DOCUMENT_ROOM ? length + DOCUMENT_ROOM : DOCUMENT_MOST;
  edit_field_set_limit(limit);
}
} // namespace

void doc_load() {
  text_global_set(&file_name, file_request("Load", &editor_window, 1, APP_FILTER, nullptr, 0, nullptr));
  if (text_len(file_name) == 0) return;
  text_global_set(&document_text, text_dup(""));
  if (file_open(&file_channel, FILE_CHANNEL_TYPE, file_name, "R") != 0) {
    file_problem_show(LOAD_FAILED, file_name, "Load");
    return;
  }
  std::string text;
  ReadResult read = file_surely_too_large() ? ReadResult::too_large : read_lines(text);
  file_close(&file_channel, FILE_CHANNEL_TYPE);
  text_global_set(&file_line, nullptr);
  if (read == ReadResult::too_large) {
    file_problem_show(LOAD_TOO_LARGE, file_name, "Load");
    return;
  }
  text_global_set(&document_text, text_dup(text.c_str()));
  make_room(static_cast<int32_t>(text.size()));
  edit_field_set_text(document_text);
}
