// Drawing a hot-tracking button (kind 20): hot colour under the mouse,
// bitmaps for the normal and hot states, a chosen border width, and any
// shape given by a window region.
#include "runtime/controls/button_face.h"
#include "runtime/controls/controls_internal.h"
#include "runtime/gui/gdi_scope.h"

namespace {
HRGN window_region(HWND button) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  int type = region ? GetWindowRgn(button, region) : ERROR;
  if (type == SIMPLEREGION || type == COMPLEXREGION) return region;
  if (region) DeleteObject(region);
  return nullptr;
}

void fill_region(HDC dc, HRGN region, COLORREF color) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(color));
  FillRgn(dc, region, brush.get());
}

// Fills under R2_MERGEPEN, which tints what is there with the colour.
void tint_region(HDC dc, HRGN region, COLORREF color) {
  GdiObject<HBRUSH> brush(CreateSolidBrush(color));
  int old_rop = SetROP2(dc, R2_MERGEPEN);
  HGDIOBJ old_brush = SelectObject(dc, brush.get());
  PaintRgn(dc, region);
  SelectObject(dc, old_brush);
  SetROP2(dc, old_rop);
}

void tint_rect(HDC dc, const RECT& r, COLORREF color) {
  GdiObject<HRGN> region(CreateRectRgnIndirect(&r));
  tint_region(dc, region.get(), color);
}

// Copies the bitmap 1:1 when it has the rectangle's size, else stretches it.
void draw_bitmap(HDC dc, HDC memory, HBITMAP bitmap, const RECT& r) {
  BITMAP bm = {};
  GetObjectA(bitmap, sizeof bm, &bm);
  HGDIOBJ old = SelectObject(memory, bitmap);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w == bm.bmWidth && h == bm.bmHeight) {
    BitBlt(dc, r.left, r.top, w, h, memory, 0, 0, SRCCOPY);
  } else {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, r.left, r.top, w, h, memory, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  }
  SelectObject(memory, old);
}

// The part of the region that the region moved by d pixels right and down
// leaves uncovered, in a system colour.
void fill_band(HDC dc, HRGN region, int d, int color_index) {
  GdiObject<HRGN> moved(CreateRectRgn(0, 0, 0, 0));
  GdiObject<HRGN> band(CreateRectRgn(0, 0, 0, 0));
  CombineRgn(moved.get(), region, nullptr, RGN_COPY);
  OffsetRgn(moved.get(), d, d);
  CombineRgn(band.get(), region, moved.get(), RGN_DIFF);
  fill_region(dc, band.get(), GetSysColor(color_index));
}

void edge_along_region(HDC dc, HRGN region, int border, bool pressed) {
  struct Band {
    int d;
    int color;
  };
  static const Band up_wide[] = {
      {2, COLOR_BTNHIGHLIGHT}, {-2, COLOR_BTNSHADOW}, {1, COLOR_3DLIGHT}, {-1, COLOR_3DDKSHADOW}};
  static const Band up[] = {{1, COLOR_BTNHIGHLIGHT}, {-1, COLOR_3DDKSHADOW}};
  static const Band down_wide[] = {
      {2, COLOR_3DDKSHADOW}, {-2, COLOR_3DLIGHT}, {1, COLOR_BTNSHADOW}, {-1, COLOR_BTNHIGHLIGHT}};
  static const Band down[] = {{1, COLOR_3DDKSHADOW}, {-1, COLOR_BTNHIGHLIGHT}};
  const Band* bands = pressed ? (border == 2 ? down_wide : down) : (border == 2 ? up_wide : up);
  const int count = border == 2 ? 4 : 2;
  for (int i = 0; i < count; ++i) fill_band(dc, region, bands[i].d, bands[i].color);
}

void flat_border(HDC dc, HRGN region, const RECT& item, int border) {
  const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
  if (region) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(dark));
    FrameRgn(dc, region, brush.get(), border, border);
    return;
  }
  // Inside the rectangle, so that every pixel of the width shows.
  GdiObject<HPEN> pen(CreatePen(PS_INSIDEFRAME, border, dark));
  HGDIOBJ old = SelectObject(dc, pen.get());
  button_outline(dc, item);
  SelectObject(dc, old);
}
} // namespace

void hot_button_draw(const ButtonFace& face) {
  HDC dc = face.dc;
  const int border = static_cast<int>(prop_value(face.button, PROP_BORDERWIDTH));
  GdiObject<HRGN> region(window_region(face.button));
  HBITMAP hot_bitmap = static_cast<HBITMAP>(prop_get(face.button, PROP_HOTBMP));
  HBITMAP normal_bitmap = static_cast<HBITMAP>(prop_get(face.button, PROP_NORBMP));
  MemoryDC memory(dc);

  const bool hot = prop_get(face.button, PROP_DOHOT) && !face.disabled();
  const bool hot_brush = prop_get(face.button, PROP_HBRUSH) != nullptr;
  const COLORREF color =
      hot && hot_brush ? static_cast<COLORREF>(prop_value(face.button, PROP_HTCLR)) : face.back_color;

  if (region) {
    HBITMAP shown = hot && hot_bitmap ? hot_bitmap : normal_bitmap;
    if (!shown) {
      fill_region(dc, region.get(), color);
    } else {
      SavedDC clipped(dc);
      ExtSelectClipRgn(dc, region.get(), RGN_AND);
      HGDIOBJ old = SelectObject(memory.get(), shown);
      BitBlt(dc, face.item.left, face.item.top, face.item.right - face.item.left, face.item.bottom - face.item.top,
             memory.get(), 0, 0, SRCCOPY);
      SelectObject(memory.get(), old);
      if (hot && shown == normal_bitmap && hot_brush) tint_region(dc, region.get(), color);
    }
  }

  RECT rect = face.item;
  if (border != 0) {
    if (face.flat()) {
      flat_border(dc, region.get(), face.item, border);
      // The face goes inside the whole border, however wide.
      InflateRect(&rect, -border, -border);
    } else if (region) {
      edge_along_region(dc, region.get(), border, face.pressed());
    } else {
      button_frame(dc, &rect, face.pressed());
    }
  }

  if (!region) {
    if (hot && hot_bitmap) {
      draw_bitmap(dc, memory.get(), hot_bitmap, rect);
    } else if (hot && normal_bitmap) {
      draw_bitmap(dc, memory.get(), normal_bitmap, rect);
      if (hot_brush) tint_rect(dc, rect, color);
    } else if (!hot && normal_bitmap) {
      draw_bitmap(dc, memory.get(), normal_bitmap, rect);
    } else {
      button_fill(dc, rect, color);
    }
    if (face.outlined()) button_outline(dc, face.item);
    button_caption(face);
    return;
  }
  SavedDC clipped(dc);
  ExtSelectClipRgn(dc, region.get(), RGN_AND);
  button_caption(face);
}
