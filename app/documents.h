// What the document commands share: the file filter, the save step that
// the modified check runs, and the sizes Load keeps to.
#pragma once

#include <cstdint>
#include <string>

constexpr const char* APP_FILTER = "App files|*.app|All Files|*.*||";
constexpr const char* APP_EXTENSION = ".app";

enum class SaveResult {
  saved,
  cancelled, // the requester was cancelled: the changes may be discarded
  declined,  // the user would not replace an existing file
  failed,    // the file could not be opened or written (the user was told)
};

// The Save command's work and how it ended.
SaveResult doc_save_document();

// The check that New, Load, an example and Quit make first: when the field
// is modified, ask whether to save it (Yes, No, Cancel). True when the
// command may go on: the text was saved, or the user chose not to save it.
// False on Cancel, and when a Save did not store the text (its requester
// cancelled, a file not to be replaced, a failed write).
bool modified_check();

// Load's reading of a file's bytes into the field's text: the lines, each
// ended by CR LF, CR or LF, joined by carriage return and line feed, with no
// line break after the last line, so that loading what Save wrote gives
// back exactly the text that was saved. False for bytes that hold a NUL:
// they are not text, and the field could not hold what follows each NUL.
bool load_text_of_bytes(const std::string& bytes, std::string* text);

// The text of New > HTML Template (a String temporary).
char* html_template_text();

// The most text Load puts into the editing field, raising the field's limit
// as far as this; a larger file is refused.
constexpr int32_t DOCUMENT_MOST = 4 * 1024 * 1024;
// What Load leaves free for typing when it raises the limit.
constexpr int32_t DOCUMENT_ROOM = 30000;
