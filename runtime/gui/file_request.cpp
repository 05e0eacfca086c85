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
#include <vector>

#include "runtime/core/core.h"

namespace {

constexpr int FILTER_SIZE = 256;
constexpr int FILTER_MAX_CHARS = FILTER_SIZE - 2; // room for the two closing zeros
// Any path the dialog can return fits: a long one reaches the caller whole,
// to be refused there, instead of being written past the buffer.
constexpr int SINGLE_NAME_SIZE = 32768;
constexpr int MULTI_NAME_SIZE = 30000;
const char* const INVALID_NAME_TEXT = "A file name cannot hold a quote, <, > or |.";
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

// A name typed with a quote inside it, or with < > or |, is not a file
// name; some systems' dialogs hand back only part of it (what follows the
// quote). One pair of quotes around the whole name is the dialog's own way
// of writing a name.
bool typed_name_is_invalid(const char* typed) {
  size_t n = std::strlen(typed);
  size_t from = 0, to = n;
  if (n >= 2 && typed[0] == '"' && typed[n - 1] == '"') from = 1, to = n - 1;
  for (size_t i = from; i < to; ++i)
    if (std::strchr("\"<>|", typed[i])) return true;
  return false;
}

// The length of the path a typed name makes in the dialog's folder.
size_t typed_path_length(HWND dialog, const char* typed) {
  size_t n = std::strlen(typed);
  bool whole = (n >= 2 && typed[1] == ':') || typed[0] == '\\';
  if (whole) return n;
  char folder[MAX_PATH * 4] = "";
  SendMessageA(dialog, CDM_GETFOLDERPATH, sizeof folder, reinterpret_cast<LPARAM>(folder));
  return std::strlen(folder) + 1 + n;
}

// What is wrong with the typed name, checked before the dialog reads it
// (some systems' dialogs write a path longer than MAX_PATH past their own
// buffer); null when nothing is.
const char* typed_name_problem(HWND dialog, const char* typed) {
  if (typed_name_is_invalid(typed)) return INVALID_NAME_TEXT;
  if (typed_path_length(dialog, typed) > MAX_PATH - 1) return PATH_TOO_LONG_TEXT;
  return nullptr;
}

const char* const REQUESTER_PROC_PROPERTY = "_REQUESTER_PROC";
constexpr int NAME_FIELD = 0x47C;

// The file dialog's own procedure comes after a look at OK: a name that
// cannot be a path here is refused with a message and the dialog stays.
LRESULT CALLBACK requester_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  WNDPROC own = reinterpret_cast<WNDPROC>(GetPropA(dialog, REQUESTER_PROC_PROPERTY));
  if (message == WM_COMMAND && LOWORD(wparam) == IDOK && HIWORD(wparam) == BN_CLICKED) {
    std::vector<char> typed(static_cast<size_t>(GetWindowTextLengthA(GetDlgItem(dialog, NAME_FIELD))) + 1);
    GetDlgItemTextA(dialog, NAME_FIELD, typed.data(), static_cast<int>(typed.size()));
    if (const char* problem = typed_name_problem(dialog, typed.data())) {
      Window record{};
      record.handle = dialog;
      char title[256] = "";
      GetWindowTextA(dialog, title, sizeof title);
      msgbox_show(&record, TempText(text_concat(problem, "\r\n\r\n", typed.data())).get(), title, 0);
      return 0;
    }
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own));
    RemovePropA(dialog, REQUESTER_PROC_PROPERTY);
  }
  return CallWindowProcW(own, dialog, message, wparam, lparam);
}

void requester_watch_ok(HWND hook_dialog) {
  HWND dialog = GetParent(hook_dialog);
  if (GetPropA(dialog, REQUESTER_PROC_PROPERTY)) return;
  LONG_PTR own = SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(requester_proc));
  SetPropA(dialog, REQUESTER_PROC_PROPERTY, reinterpret_cast<HANDLE>(own));
}

UINT_PTR CALLBACK file_request_hook(HWND hook_dialog, UINT message, WPARAM, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    centre_file_dialog(hook_dialog);
    // A multiple choice is typed as several quoted names.
    if (!(reinterpret_cast<OPENFILENAMEA*>(lparam)->Flags & OFN_ALLOWMULTISELECT)) requester_watch_ok(hook_dialog);
  } else if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lparam)->code == CDN_INITDONE) {
    centre_file_dialog(hook_dialog);
  }
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

const char* const PATH_TOO_LONG_TEXT = "The path is longer than Windows takes (259 characters).";

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

  // The requester's library is loaded with the first requester.
  auto ask = system_function<decltype(&GetOpenFileNameA)>("comdlg32.dll", open ? "GetOpenFileNameA" : "GetSaveFileNameA");
  BOOL accepted = ask ? ask(&ofn) : FALSE;

  if (!multiple) {
    // A failed dialog may have left its own data (a needed size) behind.
    if (!accepted)
      names.get()[0] = '\0';
    return names.release();
  }
  return accepted ? join_choice(names.get(), ofn.nFileOffset) : text_dup("");
}
