// The editing field's operations, as control commands on the editor window.
#include "app/edit_field.h"

#include <algorithm>
#include <cstring>

#include "app/app_state.h"
#include "app/documents.h"
#include "runtime/controls/controls.h"

namespace {
int32_t command(EditCode code, ValueSlot a1 = 0, uint32_t t1 = VT_NONE, ValueSlot a2 = 0, uint32_t t2 = VT_NONE) {
  return ctl_command(&editor_window, EDIT_FIELD_ID, code, a1, t1, a2, t2, 0, VT_NONE, 0, VT_NONE);
}
HWND field_handle() { return GetDlgItem(editor_window.handle, EDIT_FIELD_ID); }

// The length of the text on the clipboard as the field would paste it; 0
// when there is none.
int64_t clipboard_text_length() {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(editor_window.handle)) return 0;
  int64_t length = 0;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* text = static_cast<const char*>(GlobalLock(data))) {
      length = static_cast<int64_t>(strnlen(text, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return length;
}

// The lines of text cut at CR LF, and also at a lone LF when lone_lf.
std::vector<LineSpan> lines_of(const char* text, int32_t length, bool lone_lf) {
  std::vector<LineSpan> lines;
  int32_t start = 0;
  for (int32_t at = 0; at < length; ++at) {
    if (text[at] != '\n') continue;
    bool crlf = at > start && text[at - 1] == '\r';
    if (!crlf && !lone_lf) continue;
    int32_t end = crlf ? at - 1 : at;
    if (crlf && end > start && text[end - 1] == '\r') --end;
    lines.push_back({start, end - start});
    start = at + 1;
  }
  lines.push_back({start, length - start});
  return lines;
}
} // namespace

char* edit_field_text() { return ctl_get_text(&editor_window, EDIT_FIELD_ID); }

void edit_field_set_text(const char* text) {
  ctl_set_text(&editor_window, EDIT_FIELD_ID, text);
  edit_field_set_unmodified();
}

char* edit_field_line(int32_t index) { return ctl_line_text(&editor_window, EDIT_FIELD_ID, index); }

bool edit_field_lines(FieldLines* field) {
  field->text.reset(edit_field_text());
  int32_t length = text_len(field->text.get());
  size_t count = static_cast<size_t>(edit_field_line_count());
  for (bool lone_lf : {false, true}) {
    field->lines = lines_of(field->text.get(), length, lone_lf);
    if (field->lines.size() == count) return true;
  }
  field->lines.clear();
  return false;
}

bool edit_field_modified() { return command(EDIT_MODIFIED) != 0; }
void edit_field_set_unmodified() { command(EDIT_SET_MODIFIED, 0, VT_INT32); }
void edit_field_set_modified() { command(EDIT_SET_MODIFIED, 1, VT_INT32); }
int32_t edit_field_limit() { return command(EDIT_LIMIT); }
void edit_field_set_limit(int32_t limit) { command(EDIT_SET_LIMIT, static_cast<ValueSlot>(limit), VT_INT32); }
int32_t edit_field_length() { return GetWindowTextLengthA(field_handle()); }

void edit_field_make_room(int32_t length) {
  if (length + DOCUMENT_ROOM / 2 <= edit_field_limit() || edit_field_limit() >= DOCUMENT_MOST) return;
  edit_field_set_limit(std::min(length + DOCUMENT_ROOM, DOCUMENT_MOST));
}

int32_t edit_field_line_count() { return command(EDIT_LINE_COUNT); }
int32_t edit_field_first_visible_line() { return command(EDIT_FIRST_VISIBLE_LINE); }

void edit_field_undo() { command(EDIT_UNDO); }
void edit_field_cut() { command(EDIT_CUT); }
void edit_field_copy() { command(EDIT_COPY); }
bool edit_field_paste() {
  DWORD start = 0, end = 0;
  SendMessageA(field_handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  int64_t after = edit_field_length() - (static_cast<int64_t>(end) - start) + clipboard_text_length();
  if (after > DOCUMENT_MOST) return false;
  edit_field_make_room(static_cast<int32_t>(after));
  command(EDIT_PASTE);
  return true;
}
void edit_field_select_all() { command(EDIT_SELECT, 0, VT_INT32, static_cast<ValueSlot>(-1), VT_INT32); }
