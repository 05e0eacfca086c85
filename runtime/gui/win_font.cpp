// The drawing font of a window, or the font of one of its controls.
#include <cstring>

#include "runtime/gui/draw_internal.h"

namespace {
constexpr uint32_t FONT_ITALIC = 0x1;
constexpr uint32_t FONT_UNDERLINE = 0x10;
constexpr uint32_t FONT_STRIKE_OUT = 0x20;

LOGFONTA font_request(HDC dc, const char* face, int32_t points, int32_t weight, uint32_t style) {
  LOGFONTA lf = {};
  if (face) std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
  lf.lfHeight = -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72);
  lf.lfWeight = weight;
  lf.lfQuality = DRAFT_QUALITY;
  lf.lfPitchAndFamily = 0;
  if (style) {
    lf.lfCharSet = static_cast<BYTE>(style >> 16);
    lf.lfItalic = (style & FONT_ITALIC) ? 1 : 0;
    lf.lfUnderline = (style & FONT_UNDERLINE) ? 1 : 0;
    lf.lfStrikeOut = (style & FONT_STRIKE_OUT) ? 1 : 0;
  }
  return lf;
}

// The control owns its font and deletes it when it is destroyed; a dialog's
// controls start with the dialog's own font, which stays the dialog's.
void set_control_font(Window* record, HWND control, const LOGFONTA& lf) {
  HFONT font = CreateFontIndirectA(&lf);
  if (!font) return;
  HFONT previous = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  // A control the runtime installed keeps the font it was last given in
  // "OWNFONT" and deletes it itself; only that one is ours to replace (what
  // WM_GETFONT names may be a class's own default font).
  bool installed = GetPropA(control, "LPFN") != nullptr;
  if (installed) previous = static_cast<HFONT>(GetPropA(control, "OWNFONT"));
  HFONT window_font = reinterpret_cast<HFONT>(SendMessageA(record->handle, WM_GETFONT, 0, 0));
  SendMessageA(control, WM_SETFONT, 0, 0);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  if (previous && previous != font && !(record->is_dialog && previous == window_font))
    DeleteObject(previous);
}
} // namespace

int win_set_font(Window* record, const char* face, int32_t points, int32_t weight, uint32_t style,
                 int32_t control_id) {
  HDC dc = begin_draw(record); // for the DC's resolution
  if (!dc) return 0;
  LOGFONTA lf = font_request(dc, face, points, weight, style);
  if (control_id != 0) {
    if (HWND control = GetDlgItem(record->handle, control_id)) set_control_font(record, control, lf);
    end_draw(record, dc, 1);
    return 0;
  }
  HFONT font = CreateFontIndirectA(&lf);
  if (font) SelectObject(dc, font);
  end_draw(record, dc, 1);
  settle_selected(record, dc, font);
  return 0;
}
