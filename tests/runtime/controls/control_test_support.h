// Helpers of the control tests: a parent window, what CreateWindowExA was asked for, small bitmap files.
#pragma once

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "runtime/controls/controls.h"
#include "tests/support/event_log.h"
#include "tests/support/input.h"
#include "tests/support/pixels.h"
#include "tests/support/wait.h"

inline std::string class_of(HWND w) {
  char name[64] = "";
  GetClassNameA(w, name, sizeof name);
  return name;
}
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

// Records the class, style and extended style of every window CreateWindowExA makes on this thread.
class CreationSpy {
public:
  struct Creation { std::string class_name; DWORD style; DWORD ex_style; };
  CreationSpy() : hook_(SetWindowsHookExA(WH_CBT, &CreationSpy::proc, nullptr, GetCurrentThreadId())) {
    all_.clear();
  }
  ~CreationSpy() { UnhookWindowsHookEx(hook_); }
  CreationSpy(const CreationSpy&) = delete;
  CreationSpy& operator=(const CreationSpy&) = delete;
  const std::vector<Creation>& creations() const { return all_; }

private:
  static LRESULT CALLBACK proc(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
      const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
      all_.push_back({IS_INTRESOURCE(cs->lpszClass) ? "#atom" : cs->lpszClass, static_cast<DWORD>(cs->style),
                      cs->dwExStyle});
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
  }
  static inline std::vector<Creation> all_;
  HHOOK hook_;
};

// A fixture with an open parent window at a fixed place (no backing store: controls paint to the screen).
class ControlTest : public GuiTest {
protected:
  Window w{};
  void SetUp() override {
    GuiTest::SetUp();
    ASSERT_EQ(win_open(&w, 40, 40, 360, 260, 0x10 | 0x400, nullptr, "controls", EventLog::handler), 1);
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

// A 24-bit bitmap file of one colour in the temporary folder; removed with the object.
class BitmapFile {
public:
  BitmapFile(const char* name, int width, int height, COLORREF color) {
    char dir[MAX_PATH] = "";
    GetTempPathA(sizeof dir, dir);
    path_ = std::string(dir) + name;
    const int row = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + row * height;
    ih.biSize = sizeof ih;
    ih.biWidth = width;
    ih.biHeight = height;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    std::string bytes = std::string(reinterpret_cast<char*>(&fh), sizeof fh) +
                        std::string(reinterpret_cast<char*>(&ih), sizeof ih);
    const char pixel[] = {static_cast<char>(GetBValue(color)), static_cast<char>(GetGValue(color)),
                          static_cast<char>(GetRValue(color))};
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) bytes.append(pixel, 3);
      bytes.append(static_cast<size_t>(row - width * 3), '\0');
    }
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~BitmapFile() { DeleteFileA(path_.c_str()); }
  BitmapFile(const BitmapFile&) = delete;
  BitmapFile& operator=(const BitmapFile&) = delete;
  const char* path() const { return path_.c_str(); }

private:
  std::string path_;
};
