// Helpers of the control tests: a parent window, a bitmap file, and for
// the control-command tests one real child control and typed arguments as the compiled program passes them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/controls/controls.h"
#include "tests/runtime/gui/gui_helpers.h"
#include "tests/support/temp_text.h"
#include "tests/support/wait.h"
#include "tests/support/windows_path.h"

inline HANDLE prop(HWND w, const char* name) { return GetPropA(w, name); }
inline COLORREF brush_color(HANDLE brush) {
  LOGBRUSH lb = {};
  GetObjectA(brush, sizeof lb, &lb);
  return lb.lbColor;
}
inline bool gdi_alive(HANDLE object) { return object && GetObjectType(object) != 0; }

// The path of a 5 x 3 bitmap file of pure blue that lies beside these tests.
inline std::string blue_bitmap_file() { return windows_path(CONTROLS_TEST_DIR "/blue_5x3.bmp"); }

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

struct Arg { ValueSlot slot; uint32_t type; };

inline Arg num(int32_t value) { return {static_cast<ValueSlot>(static_cast<uint32_t>(value)), VT_INT32}; }
inline Arg str(const char* s) { return {reinterpret_cast<ValueSlot>(s), VT_STRING}; }
inline Arg str_ref(char* s) { return {reinterpret_cast<ValueSlot>(s), VT_STRING | VT_REF}; }
constexpr Arg none{0, VT_NONE};

// A caller's string buffer, filled with a mark byte so that a test sees every byte a command wrote.
struct Buffer {
  static constexpr char MARK = static_cast<char>(0xAB);
  std::vector<char> bytes;
  explicit Buffer(size_t size) : bytes(size, MARK) {}
  char* data() { return bytes.data(); }
  std::string text() const { return std::string(bytes.data(), strnlen(bytes.data(), bytes.size())); }
  // True when every byte from index on still holds the mark.
  bool untouched_from(size_t index) const {
    for (size_t i = index; i < bytes.size(); ++i)
      if (bytes[i] != MARK) return false;
    return true;
  }
};

class CommandTest : public ControlTest {
protected:
  static constexpr int32_t ID = 7;
  Window& parent = w;
  HWND control = nullptr;

  // Makes the control of the test: a visible child with id ID.
  HWND make(const char* class_name, DWORD style, const char* text = "") {
    control = CreateWindowExA(0, class_name, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 300, 200, parent.handle,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID)), GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(control, nullptr) << class_name;
    return control;
  }
  // Multi-line fields that do not wrap, as the editor's field.
  static constexpr DWORD FIELD_STYLE = ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL;
  HWND make_edit(const char* text = "") { return make("EDIT", FIELD_STYLE, text); }

  int32_t cmd(int32_t code, Arg a1 = none, Arg a2 = none, Arg a3 = none, Arg a4 = none) {
    return ctl_command(&parent, ID, code, a1.slot, a1.type, a2.slot, a2.type, a3.slot, a3.type, a4.slot, a4.type);
  }

  void set_text(const std::string& s) { SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.c_str())); }
};
