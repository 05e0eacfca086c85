// Opening and closing file channels, their position and their end.
#include <windows.h>

#include <cstring>

#include "runtime/core/file_internal.h"

namespace {
struct OpenMode {
  const char* names[2];
  bool binary_only;
  DWORD access;
  DWORD sharing;
  DWORD creation;
  bool to_end;
};

const OpenMode kModes[] = {
    {{"R", "r"}, false, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING, false},
    {{"R+", "r+"}, true, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING, false},
    {{"W", "w"}, false, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS, false},
    {{"A", "a"}, false, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS, true},
};

const OpenMode* find_mode(const char* mode) {
  if (!mode) return nullptr;
  for (const OpenMode& m : kModes)
    if (std::strcmp(mode, m.names[0]) == 0 || std::strcmp(mode, m.names[1]) == 0) return &m;
  return nullptr;
}
} // namespace

int file_open(FileChannel* channel, uint32_t channel_type, const char* name, const char* mode) {
  if (!file_channel_kind_ok(channel_type)) {
    file_show_error(FILE_ERROR_OPEN);
    return 1;
  }
  const OpenMode* m = find_mode(mode);
  if (!m || !channel || !name) return 1;
  if (m->binary_only && value_code(channel_type) != VT_BIN_CHANNEL) return 1;
  HANDLE h = CreateFileA(name, m->access, m->sharing, nullptr, m->creation,
                         FILE_FLAG_SEQUENTIAL_SCAN | FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE || h == nullptr) return 1;
  // A channel that is opened again lets go of the file it held: that handle
  // would otherwise stay open, unreachable, until the process ends.
  if (*channel) CloseHandle(*channel);
  *channel = h;
  if (m->to_end) SetFilePointer(h, 0, nullptr, FILE_END);
  return 0;
}

int file_close(FileChannel* channel, uint32_t channel_type) {
  if (!file_channel_kind_ok(channel_type)) {
    file_show_error(FILE_ERROR_CLOSE);
    return 0;
  }
  if (HANDLE h = file_channel_handle(channel)) {
    CloseHandle(h);
    *channel = nullptr;
  }
  return 0;
}

int64_t file_seek(HANDLE handle, int64_t position) {
  if (!handle) return 0;
  LARGE_INTEGER distance;
  DWORD method = FILE_BEGIN;
  if (position < 0) {
    // -1 asks for the current position; other negative positions cannot be
    // reached, so they too leave the position where it is and report it.
    distance.QuadPart = 0;
    method = FILE_CURRENT;
  } else {
    distance.QuadPart = position;
  }
  LARGE_INTEGER now;
  if (!SetFilePointerEx(handle, distance, &now, method)) return -1;
  return now.QuadPart;
}

int file_eof(FileChannel* channel, uint32_t channel_type) {
  if (!file_channel_kind_ok(channel_type)) {
    file_show_error(FILE_ERROR_EOF);
    return 1;
  }
  HANDLE h = file_channel_handle(channel);
  if (!h) return 1;
  DWORD high = 0;
  SetLastError(NO_ERROR);
  DWORD low = GetFileSize(h, &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return 1;
  uint64_t size = (static_cast<uint64_t>(high) << 32) | low;
  int64_t position = file_seek(h, -1);
  if (position < 0) return 1;
  return static_cast<uint64_t>(position) >= size ? 1 : 0;
}
