#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {
HFONT new_font() { return CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma"); }
HBITMAP new_bitmap() { return CreateBitmap(8, 8, 1, 32, nullptr); }
// The class procedure of a test control: notes what WM_DESTROY finds.
struct Seen {
  static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
      seen_own_procedure = GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Seen::proc);
      for (const char* name : {"LPFN", "FGRND", "BGRND", "BBRUSH", "NOTIFY_TAB", "NOTIFY_ENTER", "HTCLR", "HBRUSH",
                               "BORDERWIDTH", "DOHOT", "HOTBMP", "NORBMP", "SELBMP", "OWNFONT"})
        if (GetPropA(hwnd, name)) left.push_back(name);
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
  }
  static inline bool seen_own_procedure = false;
  static inline std::vector<std::string> left;
};
} // namespace

using ControlDestroy = ControlTest;

TEST_F(ControlDestroy, ClosingTheWindowFreesEveryBrushFontAndBitmapOfItsControls) {
  BitmapFile file("tolvane_destroy.bmp", 4, 4, RGB(0, 0, 255));
  std::vector<HANDLE> owned;
  int32_t id = 1;
  for (int32_t kind : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 20}) {
    ctl_create(&w, kind, "x", 0, 0, 60, 30, 0, id);
    HWND control = child(id);
    ASSERT_NE(control, nullptr) << kind;
    owned.push_back(prop(control, "BBRUSH"));
    HFONT font = new_font();
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    owned.push_back(font);
    ++id;
  }
  ctl_create(&w, 1, file.path(), 0, 0, 60, 30, BS_BITMAP, id);
  owned.push_back(reinterpret_cast<HANDLE>(SendMessageA(child(id), BM_GETIMAGE, IMAGE_BITMAP, 0)));
  ++id;
  ctl_create(&w, 7, "LOGO", 0, 0, 60, 30, SS_BITMAP, id);
  owned.push_back(reinterpret_cast<HANDLE>(SendMessageA(child(id), STM_GETIMAGE, IMAGE_BITMAP, 0)));
  ++id;
  ctl_create(&w, 20, "hot", 0, 0, 60, 30, 0, id);
  HWND hot = child(id);
  ctl_set_hot_color(&w, id, RGB(0, 255, 0));
  owned.push_back(prop(hot, "BBRUSH"));
  owned.push_back(prop(hot, "HBRUSH"));
  HBITMAP shared = new_bitmap();
  SetPropA(hot, "HOTBMP", new_bitmap());
  SetPropA(hot, "NORBMP", shared);
  SetPropA(hot, "SELBMP", shared); // one bitmap in two states is freed once
  owned.push_back(prop(hot, "HOTBMP"));
  owned.push_back(shared);

  for (HANDLE h : owned) ASSERT_TRUE(gdi_alive(h));
  win_close(&w);
  for (size_t i = 0; i < owned.size(); ++i) EXPECT_FALSE(gdi_alive(owned[i])) << "object " << i;
}

TEST_F(ControlDestroy, DestructionPutsThePreviousProcedureBackAndRemovesTheProperties) {
  for (int32_t kind : {1, 4, 7, 20}) {
    SCOPED_TRACE(kind);
    Seen::seen_own_procedure = false;
    Seen::left.clear();
    HWND control = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, w.handle, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Seen::proc));
    ctl_install(control, kind);
    if (kind == 4) SetPropA(control, "NOTIFY_TAB", reinterpret_cast<HANDLE>(1));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(new_font()), FALSE);
    if (kind == 20) {
      SetPropA(control, "DOHOT", reinterpret_cast<HANDLE>(1));
      SetPropA(control, "HBRUSH", CreateSolidBrush(0));
    }
    DestroyWindow(control);
    EXPECT_TRUE(Seen::seen_own_procedure) << "the previous procedure is back when it sees WM_DESTROY";
    for (const std::string& name : Seen::left) ADD_FAILURE() << name << " left on the control";
  }
}

// A font the control had before it was installed stays with its owner, as a dialog's font does.
TEST_F(ControlDestroy, InstallingTwiceKeepsOneProcedureAndOneBrushAndAFontItDidNotMake) {
  HFONT dialog_font = new_font();
  HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, w.handle,
                              reinterpret_cast<HMENU>(5), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_font), FALSE);
  ctl_install(edit, 4);
  HANDLE brush = prop(edit, "BBRUSH");
  HANDLE previous = prop(edit, "LPFN");
  ctl_install(edit, 4);
  EXPECT_EQ(prop(edit, "BBRUSH"), brush);
  EXPECT_EQ(prop(edit, "LPFN"), previous);
  SetWindowTextA(edit, "still works");
  char text[32] = "";
  GetWindowTextA(edit, text, sizeof text);
  EXPECT_STREQ(text, "still works");
  DestroyWindow(edit);
  EXPECT_TRUE(gdi_alive(dialog_font));
  EXPECT_FALSE(gdi_alive(brush));
  DeleteObject(dialog_font);
}
