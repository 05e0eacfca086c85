// Helpers of the control tests: a parent window, what CreateWindowExA was
// asked for, real mouse and keyboard input, and small bitmap files.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "runtime/controls/controls.h"
#include "tests/support/event_log.h"
#include "tests/support/pixels.h"
#include "tests/support/wait.h"

inline std::string class_of(HWND w) {
  char name[64] = "";
  GetClassNameA(w, name, sizeof name);
  return name;
}
inline DWORD style_of(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
inline HANDLE prop(HWND w, const char* name) { return GetPropA(w, name); }
inline COLORREF prop_color(HWND w, const char* name) {
  return static_cast<COLORREF>(reinterpret_cast<uintptr_t>(GetPropA(w, name)));
}
inline COLORREF brush_color(HANDLE brush) {
  LOGBRUSH lb = {};
  GetObjectA(brush, sizeof lb, &lb);
  return lb.lbColor;
}
inline bool gdi_alive(HANDLE object) { return object && GetObjectType(object) != 0; }

// Records the class, style and extended style of every window that
// CreateWindowExA makes on this thread while it lives.
class CreationSpy {
public:
  struct Creation {
    std::string class_name;
    DWORD style;
    DWORD ex_style;
  };
  CreationSpy() {
    all().clear();
    hook_ = SetWindowsHookExA(WH_CBT, &CreationSpy::proc, nullptr, GetCurrentThreadId());
  }
  ~CreationSpy() { UnhookWindowsHookEx(hook_); }
  CreationSpy(const CreationSpy&) = delete;
  CreationSpy& operator=(const CreationSpy&) = delete;
  const std::vector<Creation>& creations() const { return all(); }

private:
  static std::vector<Creation>& all() {
    static std::vector<Creation> list;
    return list;
  }
  static LRESULT CALLBACK proc(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
      const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
      std::string name = IS_INTRESOURCE(cs->lpszClass) ? "#atom" : cs->lpszClass;
      all().push_back({name, static_cast<DWORD>(cs->style), cs->dwExStyle});
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  HHOOK hook_;
};

// A fixture with an open parent window (no backing store, so that controls
// paint straight to the screen) at a fixed place on the screen.
class ControlTest : public GuiTest {
protected:
  Window w{};
  static constexpr int kLeft = 40, kTop = 40;
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(win_open(&w, kLeft, kTop, 360, 260, 0x10 | 0x400, nullptr, "controls", EventLog::handler), 1);
  }
  void TearDown() override {
    win_close(&w);
    GuiTest::TearDown();
  }
  HWND child(int id) const { return GetDlgItem(w.handle, id); }
  // What the screen shows of a control once it has painted.
  static Pixels shown(HWND control) {
    UpdateWindow(control);
    return Pixels::of_window(control);
  }
};

// Moves the mouse with real input to a point of the screen.
inline void mouse_to(int x, int y) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

// Presses and releases a key with real input.
inline void key_press(WORD vk) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof in[0]);
}

// A 24-bit bitmap file of one colour in the temporary folder; removed with
// the object.
class BitmapFile {
public:
  BitmapFile(const char* name, int width, int height, COLORREF color) {
    char dir[MAX_PATH] = "";
    GetTempPathA(sizeof dir, dir);
    path_ = std::string(dir) + name;
    int row = (width * 3 + 3) & ~3;
    std::vector<unsigned char> pixels(static_cast<size_t>(row) * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        unsigned char* p = &pixels[static_cast<size_t>(y) * row + x * 3];
        p[0] = GetBValue(color);
        p[1] = GetGValue(color);
        p[2] = GetRValue(color);
      }
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(pixels.size());
    ih.biSize = sizeof ih;
    ih.biWidth = width;
    ih.biHeight = height;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    ih.biSizeImage = static_cast<DWORD>(pixels.size());
    FILE* f = std::fopen(path_.c_str(), "wb");
    std::fwrite(&fh, sizeof fh, 1, f);
    std::fwrite(&ih, sizeof ih, 1, f);
    std::fwrite(pixels.data(), 1, pixels.size(), f);
    std::fclose(f);
  }
  ~BitmapFile() { DeleteFileA(path_.c_str()); }
  BitmapFile(const BitmapFile&) = delete;
  BitmapFile& operator=(const BitmapFile&) = delete;
  const char* path() const { return path_.c_str(); }

private:
  std::string path_;
};

inline SIZE bitmap_size(HANDLE bitmap) {
  BITMAP bm = {};
  GetObjectA(bitmap, sizeof bm, &bm);
  return {bm.bmWidth, bm.bmHeight};
}
