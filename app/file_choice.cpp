// The output name of Save and Translate, and the file problem messages.
#include "app/file_choice.h"

#include <string>

#include "app/app_state.h"

const char* const REPLACE_QUESTION = " already exists.\r\nDo you want to replace it?";
const char* const SAVE_FAILED = "The file could not be saved.";
const char* const LOAD_FAILED = "The file could not be opened.";
const char* const LOAD_TOO_LARGE = "The file is too large for the editor.";
const char* const LOAD_NOT_TEXT = "The file is not a text file.";
const char* const TRANSLATE_FAILED = "The page could not be written.";
const char* const NAME_RESERVED = "Windows keeps this name for a device; a file cannot have it.";

namespace {
constexpr int32_t PATH_MOST = MAX_PATH - 1;

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, in any case, with any
// extension and with blanks or dots after them: Windows opens the device.
bool reserved_device_name(const char* path) {
  std::string name(path);
  name = name.substr(name.find_last_of("\\/:") + 1);
  name = name.substr(0, name.find('.'));
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  if (name == "CON" || name == "PRN" || name == "AUX" || name == "NUL") return true;
  return name.size() == 4 && (name.compare(0, 3, "COM") == 0 || name.compare(0, 3, "LPT") == 0) && name[3] >= '1' &&
         name[3] <= '9';
}
} // namespace

const char* name_problem(const char* path) {
  if (reserved_device_name(path)) return NAME_RESERVED;
  if (text_len(path) > PATH_MOST) return PATH_TOO_LONG_TEXT;
  return nullptr;
}

bool has_extension(const char* name, const char* extension) {
  int32_t n = text_len(name);
  int32_t e = text_len(extension);
  return n >= e && lstrcmpiA(name + (n - e), extension) == 0;
}

OutputChoice output_name_ask(const char* title, const char* filter, const char* extension, char** path) {
  *path = nullptr;
  TempText chosen(file_request(title, &editor_window, 0, filter, nullptr, 0, nullptr));
  if (text_len(chosen.get()) == 0) return OutputChoice::cancelled;
  bool as_chosen = has_extension(chosen.get(), extension);
  TempText final_name(as_chosen ? chosen.release() : text_concat(chosen.get(), extension));
  if (const char* problem = name_problem(final_name.get())) {
    file_problem_show(problem, final_name.get(), title);
    return OutputChoice::refused;
  }
  if (as_chosen) { // the requester itself asked about replacing this very name
    *path = final_name.release();
    return OutputChoice::chosen;
  }
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
