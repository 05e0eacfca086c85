// Save: the editing field's text, unchanged, to a file the user names.
#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/edit_field.h"
#include "app/file_choice.h"

namespace {
// Writes document_text to file_name; false when any of it did not reach
// the file.
bool write_document() {
  if (file_open(&file_channel, FILE_CHANNEL_TYPE, file_name, "W") != 0) return false;
  int32_t length = text_len(document_text);
  // The channel adds a carriage return and line feed to the text.
  int written = file_write(&file_channel, FILE_CHANNEL_TYPE, reinterpret_cast<ValueSlot>(document_text), VT_STRING,
                           length);
  file_close(&file_channel, FILE_CHANNEL_TYPE);
  return written == length + 2;
}
} // namespace

SaveResult doc_save_document() {
  char* path = nullptr;
  switch (output_name_ask("Save", APP_FILTER, APP_EXTENSION, &path)) {
  case OutputChoice::cancelled: return SaveResult::cancelled;
  case OutputChoice::declined: return SaveResult::declined;
  case OutputChoice::chosen: break;
  }
  text_global_set(&file_name, path);
  text_global_set(&document_text, edit_field_text());
  if (!write_document()) {
    // The modified flag stays set: the text is not stored anywhere yet.
    file_problem_show(SAVE_FAILED, file_name, "Save");
    return SaveResult::failed;
  }
  edit_field_set_unmodified();
  return SaveResult::saved;
}

void doc_save() { doc_save_document(); }
