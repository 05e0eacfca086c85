// Painting and background erasing of runtime windows: the backing bitmap
// copied to the screen, or paint events for windows without one.
#include <cmath>

#include "runtime/gui/draw_internal.h"
#include "runtime/gui/gui_internal.h"

namespace {
// The pen and font that drawing operations left selected in an erase DC,
// deleted once the erase handling has restored the DC. Erase passes nest
// when a Handler makes another window erase its background.
struct ErasePass {
  Window* record;
  HGDIOBJ pen;
  HGDIOBJ font;
  ErasePass* outer;
};
ErasePass* current_pass = nullptr;

struct ClipTarget {
  HWND window;
  HDC dc;
};

BOOL CALLBACK exclude_child(HWND child, LPARAM param) {
  const ClipTarget* target = reinterpret_cast<const ClipTarget*>(param);
  if (!IsWindowVisible(child)) return TRUE;
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, target->window, reinterpret_cast<POINT*>(&r), 2);
  ExcludeClipRect(target->dc, r.left, r.top, r.right, r.bottom);
  return TRUE;
}

// Child windows paint themselves: keep the copy off them.
void exclude_children(HWND hwnd, HDC dc) {
  ClipTarget target = {hwnd, dc};
  EnumChildWindows(hwnd, exclude_child, reinterpret_cast<LPARAM>(&target));
}

struct Sizes {
  SIZE bitmap;
  SIZE client;
  bool stretch; // stretched over a client area of another size
};

Sizes sizes_of(const Window* record) {
  Sizes s = {{0, 0}, {0, 0}, false};
  BITMAP bm;
  if (GetObjectA(record->back_bitmap, sizeof bm, &bm)) s.bitmap = {bm.bmWidth, bm.bmHeight};
  RECT c;
  if (GetClientRect(record->handle, &c)) s.client = {c.right - c.left, c.bottom - c.top};
  s.stretch = (record->backing_flags & BACKING_STRETCH) && s.client.cx > 0 && s.client.cy > 0 &&
              s.bitmap.cx > 0 && s.bitmap.cy > 0 &&
              (s.bitmap.cx != s.client.cx || s.bitmap.cy != s.client.cy);
  return s;
}

void halftone(HDC dc) {
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
}

// Copies the part of the backing bitmap under the update rectangle.
void copy_backing(const Window* record, HDC dc, const RECT& update) {
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return;
  HGDIOBJ old = SelectObject(memory, record->back_bitmap);
  Sizes s = sizes_of(record);
  int w = update.right - update.left;
  int h = update.bottom - update.top;
  if (s.stretch) {
    double sx = static_cast<double>(s.bitmap.cx) / s.client.cx;
    double sy = static_cast<double>(s.bitmap.cy) / s.client.cy;
    halftone(dc);
    StretchBlt(dc, update.left, update.top, w, h, memory, std::lround(sx * update.left),
               std::lround(sy * update.top), std::lround(sx * w), std::lround(sy * h), SRCCOPY);
  } else {
    // Outside the bitmap the erased background stays.
    RECT bitmap = {0, 0, s.bitmap.cx, s.bitmap.cy};
    RECT r;
    if (IntersectRect(&r, &update, &bitmap))
      BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, r.left, r.top, SRCCOPY);
  }
  SelectObject(memory, old);
  DeleteDC(memory);
}

// A scope is drawing into the bitmap: show what it has drawn so far.
void copy_scope(const Window* record, HDC dc) {
  RECT b;
  if ((GetBoundsRect(record->draw_dc, &b, DCB_RESET) & DCB_SET) != DCB_SET) return;
  Sizes s = sizes_of(record);
  if (s.stretch) {
    halftone(dc);
    StretchBlt(dc, 0, 0, s.client.cx, s.client.cy, record->draw_dc, 0, 0, s.bitmap.cx, s.bitmap.cy,
               SRCCOPY);
  } else {
    BitBlt(dc, b.left, b.top, b.right - b.left, b.bottom - b.top, record->draw_dc, b.left, b.top,
           SRCCOPY);
  }
}
} // namespace

LRESULT gui_paint(Window* record, HWND hwnd, WPARAM wparam, LPARAM lparam) {
  RECT update = {0, 0, 0, 0};
  GetUpdateRect(hwnd, &update, FALSE);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (!dc) return 1;
  exclude_children(hwnd, dc);
  if (record && record->handle) {
    if (!has_backing(record))
      event_deliver(record, WM_PAINT, wparam, lparam);
    else if (record->draw_dc)
      copy_scope(record, dc);
    else
      copy_backing(record, dc, update);
  }
  EndPaint(hwnd, &ps);
  return 1;
}

LRESULT gui_erase(Window* record, HWND, WPARAM wparam, LPARAM lparam) {
  HDC dc = reinterpret_cast<HDC>(wparam);
  if (record && (record->browser || record->surface_flag)) return 1; // the browser covers it
  RECT clip;
  if (GetClipBox(dc, &clip) != ERROR) {
    GdiObject brush(CreateSolidBrush(record ? record->back_color : GetSysColor(COLOR_WINDOW)));
    HGDIOBJ old = SelectObject(dc, brush.get());
    PatBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, PATCOPY);
    SelectObject(dc, old);
  }
  if (!record) return 1;

  int saved = SaveDC(dc);
  draw_state_apply(dc, record);
  ErasePass pass = {record, nullptr, nullptr, current_pass};
  current_pass = &pass;
  HDC outer_dc = record->paint_dc;
  record->paint_dc = dc;
  event_deliver(record, EV_ERASE, wparam, lparam);
  record->paint_dc = outer_dc;
  current_pass = pass.outer;
  RestoreDC(dc, saved);
  if (pass.pen) DeleteObject(pass.pen);
  if (pass.font) DeleteObject(pass.font);
  return 1;
}

void erase_adopt(Window* record, HGDIOBJ made) {
  ErasePass* pass = current_pass;
  while (pass && pass->record != record) pass = pass->outer;
  if (!pass) return; // only erase handling sets paint_dc
  DWORD type = GetObjectType(made);
  HGDIOBJ* slot = type == OBJ_PEN ? &pass->pen : type == OBJ_FONT ? &pass->font : nullptr;
  if (!slot) return;
  // The pass's earlier object of this kind is no longer selected: `made`
  // or something before it displaced it.
  if (*slot && *slot != made) DeleteObject(*slot);
  *slot = made;
}
