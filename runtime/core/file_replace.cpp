// Replacing a file the user named in one step: the new bytes go to a fresh
// file in the target's folder, reach the disk, and only then take the
// target's place. A failure at any moment leaves the target as it was.
#include <windows.h>

#include <cstring>
#include <string>

#include "runtime/core/core.h"

namespace {
// The folder part of path, "." when it names none.
std::string folder_of(const char* path) {
  const char* cut = nullptr;
  for (const char* p = path; *p; ++p)
    if (*p == '\\' || *p == '/' || (*p == ':' && p == path + 1)) cut = p;
  if (!cut) return ".";
  return std::string(path, static_cast<size_t>(cut - path) + 1);
}

// The system's words for an error code, without the closing line break.
std::string reason_of(DWORD code) {
  char text[512] = "";
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                           sizeof text, nullptr);
  while (n > 0 && (text[n - 1] == '\r' || text[n - 1] == '\n' || text[n - 1] == ' ')) text[--n] = 0;
  if (n == 0) return "System error " + std::to_string(code) + ".";
  return text;
}

bool write_all(HANDLE file, const char* bytes, int32_t length) {
  while (length > 0) {
    DWORD put = 0;
    if (!WriteFile(file, bytes, static_cast<DWORD>(length), &put, nullptr) || put == 0) return false;
    bytes += put;
    length -= static_cast<int32_t>(put);
  }
  return true;
}

// Writes the bytes to a new file in the folder and flushes them; the new
// file's name on success, empty with the last error set on failure.
std::string write_beside(const std::string& folder, const char* bytes, int32_t length) {
  char name[MAX_PATH];
  if (!GetTempFileNameA(folder.c_str(), "tlv", 0, name)) return "";
  HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  bool ok = file != INVALID_HANDLE_VALUE && write_all(file, bytes, length) && FlushFileBuffers(file);
  DWORD error = GetLastError();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (ok) return name;
  DeleteFileA(name);
  SetLastError(error);
  return "";
}

// Puts the new file in the target's place with one rename, which the file
// system makes in one step: at every moment the name holds the old file or
// the new one. (ReplaceFileA is not used: under Wine a process killed inside
// it can leave no file of that name at all.) The old file's visible
// attributes go over to the new one first.
bool put_in_place(const char* target, const std::string& fresh) {
  DWORD attributes = GetFileAttributesA(target);
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
      SetLastError(ERROR_ACCESS_DENIED);
      return false;
    }
    constexpr DWORD KEPT = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                           FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
    if (attributes & KEPT) SetFileAttributesA(fresh.c_str(), attributes & KEPT);
  }
  return MoveFileExA(fresh.c_str(), target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
} // namespace

int file_replace(const char* path, const char* bytes, int32_t length, char** reason) {
  if (reason) *reason = nullptr;
  DWORD error = ERROR_INVALID_PARAMETER;
  if (path && *path && length >= 0 && (length == 0 || bytes)) {
    std::string fresh = write_beside(folder_of(path), bytes, length);
    if (!fresh.empty() && put_in_place(path, fresh)) return 0;
    error = GetLastError();
    if (!fresh.empty()) DeleteFileA(fresh.c_str());
  }
  if (reason) *reason = text_dup(reason_of(error).c_str());
  return 1;
}
