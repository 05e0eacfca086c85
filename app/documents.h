// What the document commands share: the file filter, the save step that
// the modified check runs, and the sizes Load keeps to.
#pragma once

#include <cstdint>

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

// The check that New and Quit make first: when the field is modified,
// announce the save requester and save. False when the command must stop
// because the text was not written although the user meant to keep it
// (the write failed, or an existing file was not to be replaced).
bool modified_check();

// The text of New > HTML Template (a String temporary).
char* html_template_text();

// The most text Load puts into the editing field, raising the field's limit
// as far as this; a larger file is refused.
constexpr int32_t DOCUMENT_MOST = 4 * 1024 * 1024;
// What Load leaves free for typing when it raises the limit.
constexpr int32_t DOCUMENT_ROOM = 30000;
