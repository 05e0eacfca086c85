#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {
HFONT new_font() { return CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma"); }
HBITMAP new_bitmap() { return CreateBitmap(8, 8, 1, 32, nullptr); }
// A static control's procedure in front of the runtime's: notes what WM_DESTROY finds.
struct Seen {
  static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) {
      seen_own_procedure = GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Seen::proc);
      for (const char* name : {"LPFN", "FGRND", "BGRND", "BBRUSH", "NOTIFY_TAB", "NOTIFY_ENTER", "HTCLR", "HBRUSH",
                               "BORDERWIDTH", "DOHOT", "HOTBMP", "NORBMP", "SELBMP", "OWNFONT"})
        if (GetPropA(hwnd, name)) left.push_back(name);
    }
    return CallWindowProcA(static_proc, hwnd, message, wparam, lparam);
  }
  static inline WNDPROC static_proc = nullptr;
  static inline bool seen_own_procedure = false;
  static inline std::vector<std::string> left;
};
} // namespace

using ControlDestroy = ControlTest;

TEST_F(ControlDestroy, ClosingTheWindowFreesEveryBrushFontAndBitmapOfItsControls) {
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
  ctl_create(&w, 1, blue_bitmap_file().c_str(), 0, 0, 60, 30, BS_BITMAP, id);
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

// A font given before installation stays with its owner, as a dialog's font does.
TEST_F(ControlDestroy, InstallingTwiceChangesNothingAndDestructionUndoesTheInstallation) {
  for (int32_t kind : {1, 4, 7, 20}) {
    SCOPED_TRACE(kind);
    Seen::seen_own_procedure = false;
    Seen::left.clear();
    HWND control = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, w.handle, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    Seen::static_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Seen::proc)));
    HFONT dialog_font = new_font();
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_font), FALSE);
    ctl_install(control, kind);
    HANDLE brush = prop(control, "BBRUSH"), previous = prop(control, "LPFN");
    LONG_PTR procedure = GetWindowLongPtrA(control, GWLP_WNDPROC);
    ctl_install(control, kind);
    EXPECT_EQ(prop(control, "BBRUSH"), brush);
    EXPECT_EQ(prop(control, "LPFN"), previous);
    EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC), procedure);
    SetWindowTextA(control, "still works");
    EXPECT_EQ(GetWindowTextLengthA(control), 11);

    if (kind == 4) SetPropA(control, "NOTIFY_TAB", reinterpret_cast<HANDLE>(1));
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(new_font()), FALSE);
    if (kind == 20) {
      SetPropA(control, "DOHOT", reinterpret_cast<HANDLE>(1));
      SetPropA(control, "HBRUSH", CreateSolidBrush(0));
    }
    DestroyWindow(control);
    EXPECT_TRUE(Seen::seen_own_procedure) << "the previous procedure is back when it sees WM_DESTROY";
    for (const std::string& name : Seen::left) ADD_FAILURE() << name << " left on the control";
    EXPECT_FALSE(gdi_alive(brush));
    EXPECT_TRUE(gdi_alive(dialog_font));
    DeleteObject(dialog_font);
  }
}
