// Load: the lines of a file, each kept whole, into the editing field; the
// file may also come from the command line or be dropped on the window.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/edit_field.h"
#include "app/file_choice.h"
#include "runtime/core/core.h"

namespace {
enum class ReadResult { read, too_large, not_text };

// Every line end but the last becomes two characters in the field, so a
// file more than two bytes longer than the most the field takes cannot fit.
bool file_surely_too_large() {
  LARGE_INTEGER size;
  return GetFileSizeEx(file_channel, &size) && size.QuadPart > DOCUMENT_MOST + 2;
}

// The open file_channel's bytes, read in blocks (a short file at once).
std::string file_bytes() {
  std::string bytes;
  LARGE_INTEGER size;
  if (GetFileSizeEx(file_channel, &size) && size.QuadPart > 0) bytes.reserve(static_cast<size_t>(size.QuadPart));
  char block[65536];
  DWORD got = 0;
  while (ReadFile(file_channel, block, sizeof block, &got, nullptr) && got > 0) bytes.append(block, got);
  return bytes;
}

ReadResult read_lines(std::string& text) {
  if (!load_text_of_bytes(file_bytes(), &text)) return ReadResult::not_text;
  return text.size() > static_cast<size_t>(DOCUMENT_MOST) ? ReadResult::too_large : ReadResult::read;
}
} // namespace

bool load_text_of_bytes(const std::string& bytes, std::string* text) {
  if (bytes.find('\0') != std::string::npos) return false;
  text->clear();
  text->reserve(bytes.size() + bytes.size() / 32);
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", start);
    if (start > 0) text->append("\r\n");
    if (end == std::string::npos) {
      text->append(bytes, start, std::string::npos);
      break;
    }
    text->append(bytes, start, end - start);
    start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return true;
}

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
  ReadResult read = file_surely_too_large() ? ReadResult::too_large : read_lines(text);
  file_close(&file_channel, FILE_CHANNEL_TYPE);
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
  auto query = system_function<DragQueryFileFn>("shell32.dll", "DragQueryFileA");
  auto finish = system_function<DragFinishFn>("shell32.dll", "DragFinish");
  if (!query || !finish) return;
  HDROP files = reinterpret_cast<HDROP>(drop);
  // The first file dropped; the drop's memory is given back before any box
  // is shown.
  std::string path(query(files, 0, nullptr, 0), '\0');
  if (!path.empty()) path.resize(query(files, 0, &path[0], static_cast<UINT>(path.size() + 1)));
  finish(files);
  if (!path.empty()) doc_open(path.c_str());
}
