// Drawing scopes: a DC built from a Window record's drawing state, and the
// state copied back into the record when the outermost scope closes.
#include <cmath>

#include "runtime/gui/draw_internal.h"

namespace {
// A backing bitmap that is stretched over a client area of another size
// draws its bounds somewhere else on the screen: maps bitmap bounds to the
// client area, with a pixel to spare on each side for the rounding.
RECT map_to_client(const RECT& b, SIZE bitmap, SIZE client) {
  double sx = static_cast<double>(client.cx) / bitmap.cx;
  double sy = static_cast<double>(client.cy) / bitmap.cy;
  double w = b.right - b.left + 1;
  double h = b.bottom - b.top + 1;
  RECT r;
  r.left = std::lround(sx * b.left);
  r.top = std::lround(sy * b.top);
  r.right = std::lround(r.left + sx * w);
  r.bottom = std::lround(r.top + sy * h);
  r.left -= 1;
  r.top -= 1;
  return r;
}

// The rectangle of the screen that shows bitmap bounds b.
RECT client_rect_of(const Window* record, const RECT& b) {
  if (!(record->backing_flags & BACKING_STRETCH)) return b;
  BITMAP bm;
  RECT c;
  if (!GetObjectA(record->back_bitmap, sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0 ||
      !GetClientRect(record->handle, &c))
    return b;
  SIZE bitmap = {bm.bmWidth, bm.bmHeight};
  SIZE client = {c.right - c.left, c.bottom - c.top};
  if (bitmap.cx == client.cx && bitmap.cy == client.cy) return b;
  return map_to_client(b, bitmap, client);
}

// Puts a new object in a record field, deleting the one it held.
template <typename Handle> void replace_owned(Handle& field, Handle object) {
  if (!object || object == field) return;
  if (field) DeleteObject(field);
  field = object;
}
} // namespace

void draw_state_apply(HDC dc, const Window* record) {
  MoveToEx(dc, record->pos_x, record->pos_y, nullptr);
  if (record->font) SelectObject(dc, record->font);
  if (record->pen) {
    SelectObject(dc, record->pen);
    LOGPEN lp;
    if (GetObjectA(record->pen, sizeof lp, &lp)) SetTextColor(dc, lp.lopnColor);
  }
  SetTextAlign(dc, TA_UPDATECP);
  SetBkMode(dc, static_cast<int>(record->bk_mode));
  SetBkColor(dc, record->text_bk_color);
  SetROP2(dc, static_cast<int>(record->rop_mode));
}

HDC begin_draw(Window* record) {
  if (!record || !record->handle) return nullptr;
  if (record->paint_dc) return record->paint_dc;
  if (record->draw_dc && record->draw_depth != 0) {
    ++record->draw_depth;
    return record->draw_dc;
  }
  HDC window_dc = GetDC(record->handle);
  if (!window_dc) return nullptr;
  bool backing = has_backing(record);
  HDC dc = backing ? CreateCompatibleDC(window_dc) : window_dc;
  if (!dc) {
    ReleaseDC(record->handle, window_dc);
    return nullptr;
  }
  SaveDC(dc);
  if (backing) SelectObject(dc, record->back_bitmap);
  draw_state_apply(dc, record);
  if (backing) ReleaseDC(record->handle, window_dc);
  record->draw_dc = dc;
  record->draw_depth = 1;
  SetBoundsRect(dc, nullptr, DCB_RESET | DCB_ACCUMULATE | DCB_ENABLE);
  return dc;
}

void end_draw(Window* record, HDC dc, int redraw) {
  if (!record || !record->handle || record->paint_dc || !dc) return;
  if (record->draw_depth > 0) --record->draw_depth;
  bool backing = has_backing(record);
  if (record->draw_depth > 0) {
    if (backing && redraw) {
      InvalidateRect(record->handle, nullptr, FALSE);
      UpdateWindow(record->handle);
    }
    return;
  }

  record->draw_dc = nullptr;
  POINT p;
  if (GetCurrentPositionEx(dc, &p)) {
    record->pos_x = p.x;
    record->pos_y = p.y;
  }
  record->bk_mode = static_cast<uint32_t>(GetBkMode(dc));
  record->text_bk_color = GetBkColor(dc);
  record->rop_mode = static_cast<uint32_t>(GetROP2(dc));
  LOGPEN lp;
  bool have_pen = GetObjectA(GetCurrentObject(dc, OBJ_PEN), sizeof lp, &lp) != 0;
  LOGFONTA lf;
  bool have_font = GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf) != 0;

  if (backing && redraw) {
    RECT b;
    if ((GetBoundsRect(dc, &b, DCB_RESET) & DCB_SET) == DCB_SET) {
      RECT r = client_rect_of(record, b);
      InvalidateRect(record->handle, &r, FALSE);
    }
  }

  RestoreDC(dc, -1);
  // The record keeps copies, so whoever made the objects the DC ended with
  // may delete them.
  if (have_pen) replace_owned(record->pen, CreatePenIndirect(&lp));
  if (have_font) replace_owned(record->font, CreateFontIndirectA(&lf));

  if (backing)
    DeleteDC(dc);
  else
    ReleaseDC(record->handle, dc);
  if (backing && redraw) UpdateWindow(record->handle);
}

void settle_selected(Window* record, HDC dc, HGDIOBJ made) {
  if (!made) return;
  if (record->paint_dc && record->paint_dc == dc) {
    erase_adopt(record, made);
  } else if (!record->draw_dc) {
    DeleteObject(made);
  } else {
    // The outer scope draws on with `made`; the record's previous object
    // is no longer selected in its DC.
    switch (GetObjectType(made)) {
    case OBJ_PEN: replace_owned(record->pen, static_cast<HPEN>(made)); break;
    case OBJ_FONT: replace_owned(record->font, static_cast<HFONT>(made)); break;
    default: DeleteObject(made); break;
    }
  }
}
