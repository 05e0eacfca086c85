// Reading from file channels: lines and numbers from text channels, raw
// bytes from binary ones.
#include <windows.h>

#include <cstring>

#include "runtime/core/file_internal.h"

namespace {
// A line read into the caller's buffer: what does not fit is dropped, so the
// next read still starts at the next line.
struct BoundedLine {
  char* text;
  int32_t length;
  int32_t room; // bytes of text the buffer holds before its terminator
};

void take_what_fits(void* context, const char* bytes, int32_t count) {
  BoundedLine* line = static_cast<BoundedLine*>(context);
  int32_t n = line->room - line->length;
  if (n > count) n = count;
  if (n <= 0) return;
  std::memcpy(line->text + line->length, bytes, static_cast<size_t>(n));
  line->length += n;
}

int read_text_line(HANDLE h, char* destination, int32_t count) {
  BoundedLine line{destination, 0, count > 0 && destination ? count - 1 : 0};
  bool read = file_read_line_into(h, LineSink{take_what_fits, &line});
  if (line.text && count > 0) line.text[line.length] = 0;
  return read ? 0 : -1;
}

int read_bytes(HANDLE h, void* destination, uint32_t code, int32_t count) {
  void* into = destination;
  if (code == VT_POINTER && destination) std::memcpy(&into, destination, sizeof into);
  if (!into || count <= 0) return -1;
  DWORD got = 0;
  if (!ReadFile(h, into, static_cast<DWORD>(count), &got, nullptr)) return -1;
  return got > 0 ? 0 : -1;
}
} // namespace

int file_read(FileChannel* channel, uint32_t channel_type, void* destination,
              uint32_t destination_type, int32_t count) {
  HANDLE h = file_channel_handle(channel);
  if (!h) return -1;
  uint32_t code = value_code(destination_type);
  switch (value_code(channel_type)) {
  case VT_TEXT_CHANNEL:
    if (code == VT_STRING) return read_text_line(h, static_cast<char*>(destination), count);
    return file_read_number_into(channel, destination, code);
  case VT_BIN_CHANNEL: return read_bytes(h, destination, code, count);
  default: return -1;
  }
}
