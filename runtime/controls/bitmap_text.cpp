// Bitmaps named by texts, and showing them on bitmap buttons and statics.
#include <cmath>
#include <cstring>

#include "runtime/controls/controls_internal.h"

namespace {
constexpr int MAX_BITMAP_TEXT = 260;

bool has_class(HWND control, const char* name) {
  char class_name[16] = "";
  GetClassNameA(control, class_name, sizeof class_name);
  return lstrcmpiA(class_name, name) == 0;
}
} // namespace

HBITMAP bitmap_from_text(const char* text) {
  if (!text || !*text) return nullptr;
  if (std::strchr(text, ':'))
    return static_cast<HBITMAP>(
        LoadImageA(nullptr, text, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_LOADFROMFILE));
  HINSTANCE program = GetModuleHandleA(nullptr);
  double number = text_to_num(text);
  if (number > 0) {
    // Resource ids are 16-bit; a larger number names nothing (and would be
    // taken for the address of a name).
    long id = std::lround(number);
    if (id < 1 || id > 0xFFFF) return nullptr;
    return static_cast<HBITMAP>(LoadImageA(program, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  }
  return static_cast<HBITMAP>(LoadImageA(program, text, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

bool ctl_shows_bitmap(HWND control) {
  LONG style = GetWindowLongA(control, GWL_STYLE);
  if (has_class(control, "Button")) return (style & BS_BITMAP) != 0;
  if (has_class(control, "Static")) return (style & SS_TYPEMASK) == SS_BITMAP;
  return false;
}

HBITMAP ctl_current_bitmap(HWND control) {
  UINT get = has_class(control, "Static") ? STM_GETIMAGE : BM_GETIMAGE;
  HANDLE image = reinterpret_cast<HANDLE>(SendMessageA(control, get, IMAGE_BITMAP, 0));
  return image && GetObjectType(image) == OBJ_BITMAP ? static_cast<HBITMAP>(image) : nullptr;
}

void ctl_show_bitmap_from_text(HWND control, const char* text) {
  HBITMAP bitmap = bitmap_from_text(text);
  UINT set = has_class(control, "Static") ? STM_SETIMAGE : BM_SETIMAGE;
  HANDLE replaced = reinterpret_cast<HANDLE>(
      SendMessageA(control, set, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  // The control shows one bitmap at a time and owns it: whatever it showed
  // before (ours, or one a static loaded by itself) goes.
  if (replaced && replaced != bitmap && GetObjectType(replaced) == OBJ_BITMAP) DeleteObject(replaced);
}

void ctl_show_bitmap_from_window_text(HWND control) {
  char text[MAX_BITMAP_TEXT + 1] = "";
  GetWindowTextA(control, text, sizeof text);
  ctl_show_bitmap_from_text(control, text);
}

LRESULT ctl_pass_text(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  // The text is stored first, so that the control's own handling of it
  // cannot replace the bitmap shown afterwards.
  LRESULT result = ctl_call_previous(control, message, wparam, lparam);
  if (ctl_shows_bitmap(control)) {
    if (message == WM_SETTEXT) ctl_show_bitmap_from_text(control, reinterpret_cast<const char*>(lparam));
    else ctl_show_bitmap_from_window_text(control);
  }
  return result;
}

HBITMAP ctl_release_button_objects(HWND control) {
  ctl_release_font(control);
  HBITMAP shown = ctl_current_bitmap(control);
  if (shown) DeleteObject(shown);
  ctl_release_colors(control);
  return shown;
}
