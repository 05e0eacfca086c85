// The output name of Save and Translate, and the file problem messages.
#include "app/file_choice.h"

#include "app/app_state.h"

const char* const REPLACE_QUESTION = " already exists.\r\nDo you want to replace it?";
const char* const SAVE_FAILED = "The file could not be saved.";
const char* const LOAD_FAILED = "The file could not be opened.";
const char* const LOAD_TOO_LARGE = "The file is too large for the editor.";
const char* const LOAD_NOT_TEXT = "The file is not a text file.";
const char* const TRANSLATE_FAILED = "The page could not be written.";

bool has_extension(const char* name, const char* extension) {
  int32_t n = text_len(name);
  int32_t e = text_len(extension);
  return n >= e && lstrcmpiA(name + (n - e), extension) == 0;
}

OutputChoice output_name_ask(const char* title, const char* filter, const char* extension, char** path) {
  *path = nullptr;
  TempText chosen(file_request(title, &editor_window, 0, filter, nullptr, 0, nullptr));
  if (text_len(chosen.get()) == 0) return OutputChoice::cancelled;
  if (has_extension(chosen.get(), extension)) {
    // The requester itself asked about replacing this very name.
    *path = chosen.release();
    return OutputChoice::chosen;
  }
  TempText final_name(text_concat(chosen.get(), extension));
  if (GetFileAttributesA(final_name.get()) != INVALID_FILE_ATTRIBUTES) {
    TempText question(text_concat(final_name.get(), REPLACE_QUESTION));
    if (msgbox_show(&editor_window, question.get(), title, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
      return OutputChoice::declined;
  }
  *path = final_name.release();
  return OutputChoice::chosen;
}

void file_problem_show(const char* what, const char* path, const char* title, const char* reason) {
  TempText text(reason ? text_concat(what, "\r\n\r\n", path, "\r\n\r\n", reason) : text_concat(what, "\r\n\r\n", path));
  msgbox_show(&editor_window, text.get(), title, 0);
}

bool named_file_write(const char* path, const std::string& bytes, const char* what_failed, const char* title) {
  char* reason = nullptr;
  if (file_replace(path, bytes.data(), static_cast<int32_t>(bytes.size()), &reason) == 0) return true;
  TempText said(reason);
  file_problem_show(what_failed, path, title, said.get());
  return false;
}
