// Save: the editing field's text, unchanged, to a file the user names.
#include <string>

#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/edit_field.h"
#include "app/file_choice.h"

SaveResult doc_save_document() {
  char* path = nullptr;
  switch (output_name_ask("Save", APP_FILTER, APP_EXTENSION, &path)) {
  case OutputChoice::cancelled: return SaveResult::cancelled;
  case OutputChoice::declined: return SaveResult::declined;
  case OutputChoice::refused: return SaveResult::failed;
  case OutputChoice::chosen: break;
  }
  text_global_set(&file_name, path);
  text_global_set(&document_text, edit_field_text());
  // The file is the field's text and one line break after it.
  size_t length = static_cast<size_t>(text_len(document_text));
  std::string bytes;
  bytes.reserve(length + 2); // one block of the final size: no second copy of a long text
  bytes.append(document_text, length).append("\r\n");
  if (!named_file_write(file_name, bytes, SAVE_FAILED, "Save")) {
    // The modified flag stays set: the text is not stored anywhere yet.
    return SaveResult::failed;
  }
  edit_field_set_unmodified();
  return SaveResult::saved;
}

void doc_save() { doc_save_document(); }
