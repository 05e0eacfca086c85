// The system's open and save file-name dialogs, driven by a filter written
// in one line with "|" separators. The chosen name comes back as a String
// temporary; with multiple choice every chosen path is followed by "|".
// Cancel or failure gives "", never null.
//
// A multiple-choice result is sized to fit the joined paths, however many
// there are: the dialog's own 30000-byte buffer bounds the names it can
// return, but each name is joined with its directory, so the result can be
// longer than that buffer and is never cut.
#include "runtime/gui/gui.h"

#include <commdlg.h>

#include <cstddef>
#include <cstring>

#include "runtime/core/core.h"

namespace {

constexpr int FILTER_SIZE = 256;
constexpr int FILTER_MAX_CHARS = FILTER_SIZE - 2; // room for the two closing zeros
constexpr int SINGLE_NAME_SIZE = 260;
constexpr int MULTI_NAME_SIZE = 30000;
constexpr DWORD BASE_FLAGS = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY;

static_assert(sizeof(OPENFILENAMEA) == (sizeof(void*) == 8 ? 152 : 88),
              "the full structure of systems from version 5 on");
// The older, shorter structure (OPENFILENAME_SIZE_VERSION_400A): it ends
// after lpTemplateName.
constexpr DWORD OLD_OFN_SIZE = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
static_assert(OLD_OFN_SIZE == (sizeof(void*) == 8 ? 136 : 76), "the structure of systems before version 5");

// The explorer-style hook runs in a child of the file dialog and leaves
// every message to the system. It centres the file dialog when the child
// starts, and once more when the system has finished arranging the dialog:
// the dialog may still change its size after the child's start.
void centre_file_dialog(HWND hook_dialog) {
  Window dialog{};
  dialog.handle = GetParent(hook_dialog);
  win_center(&dialog);
}

UINT_PTR CALLBACK file_request_hook(HWND hook_dialog, UINT message, WPARAM, LPARAM lparam) {
  if (message == WM_INITDIALOG)
    centre_file_dialog(hook_dialog);
  else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lparam)->code == CDN_INITDONE)
    centre_file_dialog(hook_dialog);
  return 0;
}

// "App files|*.app||" becomes the system's zero-separated pairs, ended by an
// empty string. buffer holds FILTER_SIZE zero bytes.
void build_filter(char* buffer, const char* filter) {
  int n = 0;
  for (; n < FILTER_MAX_CHARS && filter[n]; ++n)
    buffer[n] = filter[n] == '|' ? '\0' : filter[n];
  buffer[n] = '\0';
  buffer[n + 1] = '\0';
}

// The names a multiple-choice dialog wrote: one full path, or a directory
// followed by the names in it. Each path is followed by "|".
char* join_choice(const char* names, WORD file_offset) {
  size_t first = std::strlen(names);
  if (file_offset < first + 1)
    return text_concat(names, "|");

  const char* separator = first == 0 || names[first - 1] == '\\' ? "" : "\\";
  size_t prefix = first + std::strlen(separator);
  size_t total = 0;
  for (const char* name = names + first + 1; *name; name += std::strlen(name) + 1)
    total += prefix + std::strlen(name) + 1;

  char* result = static_cast<char*>(heap_alloc_or_stop(static_cast<int32_t>(total + 1)));
  char* end = result;
  for (const char* name = names + first + 1; *name; name += std::strlen(name) + 1) {
    size_t len = std::strlen(name);
    std::memcpy(end, names, first);
    std::memcpy(end + first, separator, prefix - first);
    std::memcpy(end + prefix, name, len);
    end[prefix + len] = '|';
    end += prefix + len + 1;
  }
  *end = '\0';
  return result;
}

} // namespace

char* file_request(const char* title, Window* owner, int open, const char* filter, const char* default_ext,
                   uint32_t flags, const char* initial_dir) {
  OPENFILENAMEA ofn;
  std::memset(&ofn, 0, sizeof ofn);
  ofn.lStructSize = LOBYTE(LOWORD(GetVersion())) >= 5 ? sizeof(OPENFILENAMEA) : OLD_OFN_SIZE;
  ofn.lpstrTitle = title;
  ofn.hwndOwner = owner ? owner->handle : nullptr;

  TempText filter_buffer(static_cast<char*>(heap_alloc_or_stop(FILTER_SIZE)));
  if (filter)
    build_filter(filter_buffer.get(), filter);
  ofn.lpstrFilter = filter ? filter_buffer.get() : nullptr; // no filter text: no filter list

  ofn.lpstrDefExt = default_ext;
  ofn.lpstrInitialDir = initial_dir;
  ofn.lpfnHook = file_request_hook;
  ofn.Flags = flags | BASE_FLAGS | (open ? 0 : OFN_OVERWRITEPROMPT);

  const bool multiple = (flags & OFN_ALLOWMULTISELECT) != 0;
  const int size = multiple ? MULTI_NAME_SIZE : SINGLE_NAME_SIZE;
  TempText names(static_cast<char*>(heap_alloc_or_stop(size)));
  ofn.lpstrFile = names.get();
  ofn.nMaxFile = size;

  BOOL accepted = open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);

  if (!multiple) {
    // A failed dialog may have left its own data (a needed size) behind.
    if (!accepted)
      names.get()[0] = '\0';
    return names.release();
  }
  return accepted ? join_choice(names.get(), ofn.nFileOffset) : text_dup("");
}
