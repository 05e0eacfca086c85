// The recovery file of unsaved text, and its offer at the next start.
//
// Each editor has two files of one stem in the recovery folder: the text
// (".txt", written in one step with file_replace) and a lock (".lock") that
// the editor holds open, unshared, as long as it runs. The system deletes
// the lock when the process ends, however it ends, so a text without a
// lock that anyone holds belongs to an editor that is gone.
#include "app/recovery.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/app_state.h"
#include "app/documents.h"
#include "app/edit_field.h"

namespace {
const char* const RECOVERY_TITLE = "Recovery";
const char* const RECOVERY_QUESTION = "Tolvane closed before this text was saved. Restore it?";

// A pause in typing this long, or changes left unwritten this long, write
// the text: with the loop woken twice a second, a change reaches the disk
// within 2 seconds.
constexpr ULONGLONG PAUSE_MS = 500;
constexpr ULONGLONG LONGEST_WAIT_MS = 1500;

struct Recovery {
  bool active = false;
  std::string text_path;
  std::string lock_path;
  HANDLE lock = INVALID_HANDLE_VALUE;
  bool changed = false;       // changes since the last write
  bool written = false;       // the text file exists
  ULONGLONG first_change = 0; // of those not yet written
  ULONGLONG last_change = 0;
} g;

std::string lock_path_of(const std::string& text_path) {
  return text_path.substr(0, text_path.size() - 4) + ".lock";
}

// True while the editor that owns text_path runs: its lock is held open.
bool owner_running(const std::string& text_path) {
  std::string lock = lock_path_of(text_path);
  HANDLE h = CreateFileA(lock.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    // A lock that nobody holds was left by a system that stopped.
    CloseHandle(h);
    DeleteFileA(lock.c_str());
    return false;
  }
  return GetLastError() == ERROR_SHARING_VIOLATION;
}

struct Found {
  std::string path;
  FILETIME written;
};

// Recovery texts of editors that are gone, newest first.
std::vector<Found> orphans(const std::string& folder) {
  std::vector<Found> found;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((folder + "\\recovery-*.txt").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    std::string path = folder + "\\" + data.cFileName;
    if (!owner_running(path)) found.push_back({path, data.ftLastWriteTime});
  } while (FindNextFileA(search, &data));
  FindClose(search);
  std::sort(found.begin(), found.end(),
            [](const Found& a, const Found& b) { return CompareFileTime(&a.written, &b.written) > 0; });
  return found;
}

bool read_whole(const std::string& path, std::string* text) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(h, &size) && size.QuadPart <= DOCUMENT_MOST;
  if (ok) {
    text->resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ok = text->empty() || (ReadFile(h, &(*text)[0], static_cast<DWORD>(text->size()), &got, nullptr) &&
                           got == text->size());
  }
  CloseHandle(h);
  return ok && text->find('\0') == std::string::npos;
}

// Puts a recovered text into the field, modified, so that Quit still
// offers to save it.
void restore(const std::string& text) {
  int32_t length = static_cast<int32_t>(text.size());
  edit_field_make_room(length);
  edit_field_set_text(text.c_str());
  edit_field_set_modified();
}

void offer_orphans(const std::string& folder) {
  for (const Found& orphan : orphans(folder)) {
    std::string text;
    bool readable = read_whole(orphan.path, &text);
    if (readable && msgbox_show(&editor_window, RECOVERY_QUESTION, RECOVERY_TITLE, MB_YESNO | MB_ICONQUESTION) == IDYES) {
      DeleteFileA(orphan.path.c_str());
      restore(text);
      // The text is this editor's now: its own file keeps it from here on.
      recovery_note_change();
      return;
    }
    DeleteFileA(orphan.path.c_str());
  }
}

// This editor's stem: its process id and start time, unique among the
// editors that may have left a file.
bool claim(const std::string& folder) {
  char stem[96];
  std::snprintf(stem, sizeof stem, "\\recovery-%lu-%llu", GetCurrentProcessId(),
                static_cast<unsigned long long>(GetTickCount64()));
  g.text_path = folder + stem + ".txt";
  g.lock_path = folder + stem + ".lock";
  g.lock = CreateFileA(g.lock_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  return g.lock != INVALID_HANDLE_VALUE;
}

// The folder of the recovery files ("%LOCALAPPDATA%\Tolvane"), made when
// missing; empty when there is none.
std::string recovery_folder() {
  char base[MAX_PATH];
  DWORD n = GetEnvironmentVariableA("LOCALAPPDATA", base, sizeof base);
  if (n == 0 || n >= sizeof base) return "";
  std::string folder = std::string(base) + "\\Tolvane";
  CreateDirectoryA(folder.c_str(), nullptr);
  DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return "";
  return folder;
}

void remove_text() {
  if (g.written) DeleteFileA(g.text_path.c_str());
  g.written = false;
  g.changed = false;
}
} // namespace

void recovery_start() {
  std::string folder = recovery_folder();
  if (folder.empty()) return;
  // Claimed first, so that an editor starting meanwhile sees this one run.
  g.active = claim(folder);
  offer_orphans(folder);
}

void recovery_note_change() {
  if (!g.active) return;
  ULONGLONG now = GetTickCount64();
  if (!g.changed) g.first_change = now;
  g.changed = true;
  g.last_change = now;
}

void recovery_tick() {
  if (!g.active) return;
  if (!edit_field_modified()) {
    remove_text();
    return;
  }
  if (!g.changed) return;
  ULONGLONG now = GetTickCount64();
  if (now - g.last_change < PAUSE_MS && now - g.first_change < LONGEST_WAIT_MS) return;
  TempText text(edit_field_text());
  if (file_replace(g.text_path.c_str(), text.get(), text_len(text.get()), nullptr) == 0) g.written = true;
  g.changed = false;
}

void recovery_stop() {
  if (!g.active) return;
  remove_text();
  CloseHandle(g.lock);
  g.lock = INVALID_HANDLE_VALUE;
  g.active = false;
}
