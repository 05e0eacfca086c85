// Choosing the file a Save or Translate writes, and telling the user when a
// file cannot be read or written.
#pragma once

#include <string>

enum class OutputChoice {
  chosen,    // *path holds the final name (a String temporary the caller owns)
  cancelled, // the requester was cancelled
  declined,  // the user would not replace an existing file
  refused,   // a name no file can have here (the user was told)
};

// What makes a path one that no file can have here (a device's name, too
// long), or null when there is nothing.
const char* name_problem(const char* path);

// Asks for an output name with the save requester. The extension (".app",
// ".html") is appended only when the name does not already end with it, in
// any case; when it was appended and a file of the final name exists, the
// user is asked before it is replaced. A final name that no file can have
// is refused with a message before anything is written.
OutputChoice output_name_ask(const char* title, const char* filter, const char* extension, char** path);

// True when name ends with extension, compared without case.
bool has_extension(const char* name, const char* extension);

// A message box on the editor window: what went wrong, then the path and,
// when given, the system's reason.
void file_problem_show(const char* what, const char* path, const char* title, const char* reason = nullptr);

// Writes bytes to the file at path in one step (the file holds either its
// old bytes or all the new ones, whatever happens); when that fails the
// user is told with what_failed under the title, and false comes back.
bool named_file_write(const char* path, const std::string& bytes, const char* what_failed, const char* title);

// Texts of the replace question and the file problems.
extern const char* const REPLACE_QUESTION;  // after the path
extern const char* const SAVE_FAILED;       // "The file could not be saved."
extern const char* const LOAD_FAILED;       // "The file could not be opened."
extern const char* const LOAD_TOO_LARGE;    // "The file is too large for the editor."
extern const char* const LOAD_NOT_TEXT;     // "The file is not a text file."
extern const char* const TRANSLATE_FAILED;  // "The page could not be written."
