#include <gtest/gtest.h>

#include "tests/support/dialog_test.h"

namespace {
// A control procedure that answers the reflected messages itself, as the
// runtime's control procedures do, and counts them.
WNDPROC g_previous = nullptr;
int g_color_asks = 0;
int g_draw_asks = 0;
const DRAWITEMSTRUCT* g_draw_item = nullptr;

LRESULT CALLBACK answering_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == 0x19) { // the old WM_CTLCOLOR
    ++g_color_asks;
    EXPECT_EQ(reinterpret_cast<HWND>(lparam), hwnd);
    return reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH));
  }
  if (message == WM_DRAWITEM) {
    ++g_draw_asks;
    g_draw_item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
    return 1;
  }
  return CallWindowProcA(g_previous, hwnd, message, wparam, lparam);
}

class DialogReflect : public DialogTest {
protected:
  HWND edit = nullptr;
  void SetUp() override {
    DialogTest::SetUp();
    g_color_asks = g_draw_asks = 0;
    g_draw_item = nullptr;
    ASSERT_NE(dlg_show(&dlg, nullptr), nullptr);
    edit = GetDlgItem(dlg.handle, kEdit);
    g_previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(answering_proc)));
    log.events.clear();
  }
  void TearDown() override {
    if (edit) SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
    DialogTest::TearDown();
  }
};
} // namespace

TEST_F(DialogReflect, ColourMessagesAreAnsweredByTheControl) {
  HDC dc = GetDC(edit);
  for (UINT message : {WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
                       WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC}) {
    LRESULT brush = SendMessageA(dlg.handle, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(GRAY_BRUSH)) << std::hex << message;
  }
  ReleaseDC(edit, dc);
  EXPECT_GE(g_color_asks, 6);
  for (int32_t code : {WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
                       WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC})
    EXPECT_EQ(log.count(code), 0) << "the Handler never sees " << std::hex << code;
}

TEST_F(DialogReflect, DrawItemGoesToTheControlOfItsId) {
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.CtlID = kEdit;
  item.hwndItem = edit;
  SendMessageA(dlg.handle, WM_DRAWITEM, kEdit, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(g_draw_asks, 1);
  EXPECT_EQ(g_draw_item, &item);
  EXPECT_EQ(log.count(WM_DRAWITEM), 0);
  // Id 0 (a menu item) is not a control's: the Handler has it.
  SendMessageA(dlg.handle, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(g_draw_asks, 1);
  EXPECT_EQ(log.count(WM_DRAWITEM), 1);
}
