// Load: the lines of a file, each kept whole, into the editing field; the
// file may also come from the command line or be dropped on the window.
#include <windows.h>

#include <shellapi.h>

#include <cstring>
#include <string>

#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/edit_field.h"
#include "app/file_choice.h"
#include "app/shell_calls.h"

namespace {
enum class ReadResult { read, too_large, not_text };

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

// A file that holds a NUL byte is not text: the field could not hold what
// follows each NUL. Reads the open file_channel through and back to its
// start.
bool file_holds_nul() {
  char block[65536];
  DWORD got = 0;
  bool nul = false;
  while (!nul && ReadFile(file_channel, block, sizeof block, &got, nullptr) && got > 0)
    nul = std::memchr(block, 0, got) != nullptr;
  file_seek(file_channel, 0);
  return nul;
}
} // namespace

void doc_load_file(const char* path) {
  text_global_set(&file_name, text_dup(path)); // path may be file_name itself: copied before it goes
  text_global_set(&document_text, text_dup(""));
  if (const char* problem = name_problem(file_name)) {
    file_problem_show(problem, file_name, "Load");
    return;
  }
  if (file_open(&file_channel, FILE_CHANNEL_TYPE, file_name, "R") != 0) {
    file_problem_show(LOAD_FAILED, file_name, "Load");
    return;
  }
  std::string text;
  ReadResult read = ReadResult::too_large;
  if (!file_surely_too_large()) read = file_holds_nul() ? ReadResult::not_text : read_lines(text);
  file_close(&file_channel, FILE_CHANNEL_TYPE);
  text_global_set(&file_line, nullptr);
  if (read != ReadResult::read) {
    file_problem_show(read == ReadResult::not_text ? LOAD_NOT_TEXT : LOAD_TOO_LARGE, file_name, "Load");
    return;
  }
  text_global_set(&document_text, text_dup(text.c_str()));
  edit_field_make_room(static_cast<int32_t>(text.size()));
  edit_field_set_text(document_text);
}

void doc_load() {
  if (!modified_check()) return;
  text_global_set(&file_name, file_request("Load", &editor_window, 1, APP_FILTER, nullptr, 0, nullptr));
  if (text_len(file_name) > 0) doc_load_file(file_name);
}

void doc_open(const char* path) {
  if (modified_check()) doc_load_file(path);
}

void doc_drop(uintptr_t drop) {
  using DragQueryFileFn = UINT(WINAPI*)(HDROP, UINT, LPSTR, UINT);
  using DragFinishFn = void(WINAPI*)(HDROP);
  auto query = shell_function<DragQueryFileFn>("DragQueryFileA");
  auto finish = shell_function<DragFinishFn>("DragFinish");
  if (!query || !finish) return;
  HDROP files = reinterpret_cast<HDROP>(drop);
  // The first file dropped; the drop's memory is given back before any box
  // is shown.
  std::string path(query(files, 0, nullptr, 0), '\0');
  if (!path.empty()) path.resize(query(files, 0, &path[0], static_cast<UINT>(path.size() + 1)));
  finish(files);
  if (!path.empty()) doc_open(path.c_str());
}
