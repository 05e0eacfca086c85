#include <gtest/gtest.h>

#include "tests/runtime/controls/control_test_support.h"

namespace {
std::string text_of(HWND control) {
  char text[64] = "";
  GetWindowTextA(control, text, sizeof text);
  return text;
}

// Key notifications among the control commands the Handler saw (the field also reports its changes).
int key_notifications(const EventLog& log) {
  int n = 0;
  for (const EventSnap& e : log.events) n += e.code == EV_COMMAND && (e.notify == 0xA00 || e.notify == 0xA01);
  return n;
}
} // namespace

using ControlKeys = ControlTest;

// Keys typed for real into a multi-line field that wants Enter.
TEST_F(ControlKeys, TabAndEnterAreReportedToTheParentOnlyWhenAskedFor) {
  ctl_create(&w, 4, "", 10, 10, 200, 80, ES_MULTILINE | ES_WANTRETURN, 7);
  HWND edit = child(7);
  ASSERT_NE(edit, nullptr);
  SetForegroundWindow(w.handle);
  SetFocus(edit);
  ASSERT_TRUE(wait_until([&] { return GetFocus() == edit; }));
  struct Case { const char* property; WORD key; int32_t notify; const char* text; } cases[] = {
      {"NOTIFY_TAB", VK_TAB, 0xA01, ""}, {"NOTIFY_ENTER", VK_RETURN, 0xA00, ""},
      {"NOTIFY_ENTER", VK_TAB, 0, "\t"}, {nullptr, VK_RETURN, 0, "\t\r\n"}, // not asked for: the field takes it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.property ? c.property : "no property") + " key " + std::to_string(c.key));
    log.clear();
    if (c.property) SetPropA(edit, c.property, reinterpret_cast<HANDLE>(1));
    std::string before = text_of(edit);
    type_keys({c.key});
    ASSERT_TRUE(wait_until([&] { return text_of(edit) != before || key_notifications(log) > 0; }));
    EXPECT_EQ(text_of(edit), c.text);
    ASSERT_EQ(key_notifications(log), c.notify ? 1 : 0);
    if (c.notify) {
      const EventSnap* e = log.last(EV_COMMAND);
      EXPECT_EQ(e->id, 7);
      EXPECT_EQ(e->notify, c.notify);
      EXPECT_EQ(e->lparam, reinterpret_cast<uintptr_t>(edit));
    }
    if (c.property) RemovePropA(edit, c.property);
  }
}
