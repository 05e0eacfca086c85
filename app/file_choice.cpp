// The output name of Save and Translate, and the file problem messages.
#include "app/file_choice.h"

#include "app/app_state.h"

const char* const REPLACE_QUESTION = " already exists.\r\nDo you want to replace it?";
const char* const SAVE_FAILED = "The file could not be saved.";
const char* const LOAD_FAILED = "The file could not be opened.";
const char* const LOAD_TOO_LARGE = "The file is too large for the editor.";
const char* const TRANSLATE_FAILED = "The page could not be written.";

bool has_extension(const char* name, const char* extension) {
  int32_t n = text_len(name);
  int32_t e = text_len(extension);
  return n >= e && lstrcmpiA(name + (n - e), extension) == 0;
}

OutputChoice output_name_ask(const char* title, const char* filter, const char* extension, char** path) {
  *path = nullptr;
  char* chosen = file_request(title, &editor_window, 0, filter, nullptr, 0, nullptr);
  if (text_len(chosen) == 0) {
    heap_free(chosen);
    return OutputChoice::cancelled;
  }
  if (has_extension(chosen, extension)) {
    // The requester itself asked about replacing this very name.
    *path = chosen;
    return OutputChoice::chosen;
  }
  char* final_name = text_concat(chosen, extension);
  heap_free(chosen);
  if (GetFileAttributesA(final_name) != INVALID_FILE_ATTRIBUTES) {
    char* question = text_concat(final_name, REPLACE_QUESTION);
    int answer = msgbox_show(&editor_window, question, title, MB_YESNO | MB_ICONEXCLAMATION);
    heap_free(question);
    if (answer != IDYES) {
      heap_free(final_name);
      return OutputChoice::declined;
    }
  }
  *path = final_name;
  return OutputChoice::chosen;
}

void file_problem_show(const char* what, const char* path, const char* title) {
  char* text = text_concat(what, "\r\n\r\n", path);
  msgbox_show(&editor_window, text, title, 0);
  heap_free(text);
}
