// Owner-drawn push buttons in their control's colours: the shared steps,
// the caption and the plain push button of kind 1.
#include "runtime/controls/button_face.h"
#include "runtime/controls/controls_internal.h"
#include "runtime/gui/gdi_scope.h"

ButtonFace button_face(HWND button, const DRAWITEMSTRUCT* item) {
  ButtonFace face = {};
  face.button = button;
  face.dc = item->hDC;
  face.item = item->rcItem;
  face.state = item->itemState;
  face.style = GetWindowLongA(button, GWL_STYLE);
  face.text_color = static_cast<COLORREF>(prop_value(button, PROP_FGRND));
  face.back_color = static_cast<COLORREF>(prop_value(button, PROP_BGRND));

  // A parent without a default button (or one that is no dialog) does not
  // answer with DC_HASDEFID.
  LRESULT default_id = SendMessageA(GetParent(button), DM_GETDEFID, 0, 0);
  if (HIWORD(default_id) == DC_HASDEFID && LOWORD(default_id) == LOWORD(item->CtlID)) face.state |= ODS_DEFAULT;

  GetWindowTextA(button, face.text, sizeof face.text);
  face.text_rect = face.item;
  if (face.multi_line())
    InflateRect(&face.text_rect, -2 * GetSystemMetrics(SM_CXEDGE), -2 * GetSystemMetrics(SM_CYEDGE));
  if (face.pressed()) OffsetRect(&face.text_rect, 1, 1);
  return face;
}

void button_outline(HDC dc, const RECT& r) {
  HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  SelectObject(dc, old);
}

void button_frame(HDC dc, RECT* r, bool pressed) {
  DrawFrameControl(dc, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
}

void button_fill(HDC dc, const RECT& r, COLORREF color) {
  rect_fill(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, color);
}

void button_caption(const ButtonFace& face) {
  const int length = lstrlenA(face.text);
  if (length == 0) return;
  HDC dc = face.dc;
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const COLORREF old_color = GetTextColor(dc);
  const UINT format = DT_CENTER | DT_VCENTER | (face.multi_line() ? DT_WORDBREAK : DT_SINGLELINE);

  RECT r = face.text_rect;
  if (face.multi_line()) {
    // DT_VCENTER centres single lines only: centre the block of lines.
    RECT measured = r;
    DrawTextA(dc, face.text, length, &measured, DT_CALCRECT | DT_WORDBREAK);
    r.top += (r.bottom - r.top) / 2 - (measured.bottom - measured.top) / 2;
  }
  if (face.disabled()) {
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    if (face.multi_line()) {
      DrawTextA(dc, face.text, length, &r, format);
    } else {
      SIZE size = {};
      GetTextExtentPoint32A(dc, face.text, length, &size);
      int x = (r.left + r.right) / 2 - size.cx / 2;
      int y = (r.top + r.bottom) / 2 - size.cy / 2 - 1;
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(face.text), static_cast<WPARAM>(length), x, y, 0,
                 0, DST_TEXT | DSS_DISABLED);
    }
  } else {
    SetTextColor(dc, face.text_color);
    DrawTextA(dc, face.text, length, &r, format);
  }
  SetBkMode(dc, old_mode);
  SetTextColor(dc, old_color);
}

namespace {
void plain_button_draw(const ButtonFace& face) {
  RECT frame = face.item;
  if (face.outlined()) InflateRect(&frame, -1, -1);
  if (face.flat()) {
    button_outline(face.dc, frame);
    InflateRect(&frame, -1, -1);
  } else {
    button_frame(face.dc, &frame, face.pressed());
  }
  button_fill(face.dc, frame, face.back_color);
  // The dark border of the default (or focused) button.
  if (face.outlined()) button_outline(face.dc, face.item);
  button_caption(face);
}
} // namespace

void button_draw(HWND button, const DRAWITEMSTRUCT* item, int hot) {
  if (!button || !item || !item->hDC) return;
  const ButtonFace face = button_face(button, item);
  SavedDC saved(face.dc);
  if (hot) hot_button_draw(face);
  else plain_button_draw(face);
}
