// Opening a window of the runtime classes and attaching its Handler.
#include "runtime/gui/gui_internal.h"

Window* g_creating_record = nullptr;

namespace {
constexpr int kMdiClientId = 3244;
constexpr UINT kFirstMdiChildId = 0x4050;

HWND make_mdi_client(Window* record) {
  HMENU bar = CreateMenu();
  HMENU window_menu = CreatePopupMenu();
  AppendMenuA(window_menu, MF_STRING, MENU_MDI_CASCADE, "&Cascade");
  AppendMenuA(window_menu, MF_STRING, MENU_MDI_TILE, "&Tile");
  AppendMenuA(window_menu, MF_STRING, MENU_MDI_ARRANGE, "&Arrange Icons");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(window_menu), "&Window");
  SetMenu(record->handle, bar);

  CLIENTCREATESTRUCT ccs{};
  ccs.hWindowMenu = window_menu;
  ccs.idFirstChild = kFirstMdiChildId;
  RECT rc;
  GetClientRect(record->handle, &rc);
  HWND client = CreateWindowExA(0, "MDICLIENT", "", WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL,
                                0, 0, rc.right, rc.bottom, record->handle,
                                reinterpret_cast<HMENU>(kMdiClientId), GetModuleHandleA(nullptr), &ccs);
  if (client) ShowWindow(client, SW_SHOW);
  return client;
}

// A private copy of a DC's current pen and font, owned by the record.
void copy_dc_defaults(Window* record, HDC dc) {
  POINT pos;
  GetCurrentPositionEx(dc, &pos);
  record->pos_x = pos.x;
  record->pos_y = pos.y;
  LOGPEN lp{};
  GetObjectA(GetCurrentObject(dc, OBJ_PEN), sizeof lp, &lp);
  record->pen = CreatePenIndirect(&lp);
  LOGFONTA lf{};
  GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf);
  record->font = CreateFontIndirectA(&lf);
  record->bk_mode = static_cast<uint32_t>(GetBkMode(dc));
  record->text_bk_color = GetBkColor(dc);
  record->rop_mode = static_cast<uint32_t>(GetROP2(dc));
}

// Makes the backing store (if any), fills the first picture and takes the
// drawing defaults. False when the window DC could not be had.
bool set_up_drawing(Window* record, uint32_t flags, int32_t width, int32_t height) {
  HDC window_dc = GetDC(record->handle);
  if (!window_dc) return false;
  HDC memory_dc = CreateCompatibleDC(window_dc);
  record->back_color = GetSysColor(COLOR_WINDOW);
  record->back_bitmap = nullptr;
  HGDIOBJ old_bitmap = nullptr;
  if (record->backing_flags) {
    int bw, bh, fill_w, fill_h;
    if (flags & WIN_BACKING_STRETCH) {
      RECT rc;
      GetClientRect(record->handle, &rc);
      bw = fill_w = rc.right;
      bh = fill_h = rc.bottom;
    } else if (flags & WIN_BACKING_WINDOW_SIZE) {
      bw = width + 1;
      bh = height + 1;
      fill_w = width;
      fill_h = height;
    } else {
      bw = fill_w = GetSystemMetrics(SM_CXSCREEN);
      bh = fill_h = GetSystemMetrics(SM_CYSCREEN);
    }
    record->back_bitmap = CreateCompatibleBitmap(window_dc, bw > 0 ? bw : 1, bh > 0 ? bh : 1);
    old_bitmap = SelectObject(memory_dc, record->back_bitmap);
    rect_fill(memory_dc, 0, 0, fill_w, fill_h, record->back_color);
  } else {
    rect_fill(window_dc, 0, 0, width, height, record->back_color);
  }
  copy_dc_defaults(record, memory_dc);
  record->cursor = LoadCursorA(nullptr, IDC_ARROW);
  record->pen_width = 1;
  record->pen_style = PS_SOLID;
  record->dialog_keys = 0;
  if (old_bitmap) SelectObject(memory_dc, old_bitmap);
  DeleteDC(memory_dc);
  ReleaseDC(record->handle, window_dc);
  return true;
}
} // namespace

int win_open(Window* record, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t flags,
             Window* parent, const char* title, Handler handler) {
  gui_register_classes();
  bool frame = (flags & WIN_MDI_FRAME) != 0;
  if (!frame) gui_note_window_opened(nullptr);

  DWORD ex_style = 0;
  HWND parent_window = parent ? parent->handle : nullptr;
  if (parent && parent->mdi_client) {
    parent_window = parent->mdi_client;
    ex_style = WS_EX_MDICHILD;
  }
  if (flags & WIN_TOOL_WINDOW) ex_style |= WS_EX_TOOLWINDOW;
  if (flags & WIN_TOPMOST) ex_style |= WS_EX_TOPMOST;

  record->backing_flags = (flags & WIN_NO_BACKING) ? 0 : BACKING_PRESENT;
  if (flags & WIN_BACKING_STRETCH) record->backing_flags |= BACKING_PRESENT | BACKING_STRETCH;

  DWORD style = (flags & ~WIN_OPTION_MASK) | ((flags & WIN_HIDDEN) ? 0 : WS_VISIBLE);
  style |= parent ? (WS_CHILD | WS_CLIPSIBLINGS) : (WS_POPUP | WS_CLIPCHILDREN);
  if (!(flags & WIN_NO_CAPTION)) style |= WS_CAPTION | WS_SYSMENU;

  record->handler = handler;
  record->paint_dc = nullptr;
  record->draw_dc = nullptr;
  record->draw_depth = 0;
  record->is_dialog = 0;
  record->mdi_client = nullptr;
  record->print_dc = nullptr;
  record->surface = nullptr;
  record->surface_flag = 0;
  record->browser = nullptr;
  record->dialog = nullptr;

  g_creating_record = record;
  HWND window = CreateWindowExA(ex_style, frame ? FRAME_CLASS_NAME : WND_CLASS_NAME, title ? title : "",
                                style, x, y, width, height, parent_window, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  g_creating_record = nullptr;
  record->handler = nullptr;
  if (!window) {
    record->handle = nullptr;
    return 0;
  }
  record->handle = window;

  if (style & WS_MAXIMIZE)
    ShowWindow(window, SW_SHOWMAXIMIZED);
  else if (style & WS_MINIMIZE)
    ShowWindow(window, SW_MINIMIZE);

  if (frame) {
    record->mdi_client = make_mdi_client(record);
    gui_note_window_opened(record->mdi_client);
  }

  if (set_up_drawing(record, flags, width, height)) record->handler = handler;
  SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(record));
  return 1;
}
