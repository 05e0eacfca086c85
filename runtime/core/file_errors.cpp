// The runtime errors of the file channel operations.
#include <windows.h>

#include "runtime/core/file_internal.h"

const char* const FILE_ERROR_TITLE = "Error";
const char* const FILE_ERROR_OPEN = "Runtime error (OPENFILE): file variable expected";
const char* const FILE_ERROR_CLOSE = "Runtime Error: Invalid file variable";
const char* const FILE_ERROR_EOF = "Runtime error (EOF): file variable expected";

bool file_channel_kind_ok(uint32_t channel_type) {
  uint32_t code = value_code(channel_type);
  return code == VT_TEXT_CHANNEL || code == VT_BIN_CHANNEL;
}

HANDLE file_channel_handle(const FileChannel* channel) { return channel ? *channel : nullptr; }

void file_show_error(const char* text) {
  // The core sits below the windowing runtime, so it calls the system box
  // directly: no owner, an OK button and the exclamation icon.
  MessageBoxA(nullptr, text, FILE_ERROR_TITLE, MB_OK | MB_ICONEXCLAMATION);
}
