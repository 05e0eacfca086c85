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

class ControlKeys : public ControlTest {
protected:
  HWND edit = nullptr;
  void SetUp() override {
    ControlTest::SetUp();
    ctl_create(&w, 4, "", 10, 10, 200, 80, ES_MULTILINE | ES_WANTRETURN, 7);
    edit = child(7);
    ASSERT_NE(edit, nullptr);
    SetForegroundWindow(w.handle);
    SetFocus(edit);
    ASSERT_TRUE(wait_until([&] { return GetFocus() == edit; }));
  }
  // Types a key for real and waits until the edit field or the Handler has seen it.
  void type(WORD vk) {
    std::string text = text_of(edit);
    int reported = key_notifications(log);
    type_keys({vk});
    ASSERT_TRUE(wait_until([&] { return text_of(edit) != text || key_notifications(log) > reported; }));
  }
};

TEST_F(ControlKeys, TabAndEnterAreReportedToTheParentWhenAskedFor) {
  struct Case {
    const char* property;
    WORD key;
    int32_t notify;
  } cases[] = {{"NOTIFY_TAB", VK_TAB, 0xA01}, {"NOTIFY_ENTER", VK_RETURN, 0xA00}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.property);
    log.clear();
    SetPropA(edit, c.property, reinterpret_cast<HANDLE>(1));
    type(c.key);
    ASSERT_EQ(key_notifications(log), 1);
    const EventSnap* e = log.last(EV_COMMAND);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->id, 7);
    EXPECT_EQ(e->notify, c.notify);
    EXPECT_EQ(e->lparam, reinterpret_cast<uintptr_t>(edit));
    EXPECT_EQ(text_of(edit), "") << "the key never reaches the field";
    RemovePropA(edit, c.property);
  }
}

TEST_F(ControlKeys, WithoutThePropertyTheFieldTakesTheKey) {
  SetPropA(edit, "NOTIFY_ENTER", reinterpret_cast<HANDLE>(1)); // asks for Enter only
  type(VK_TAB);
  EXPECT_EQ(text_of(edit), "\t");
  RemovePropA(edit, "NOTIFY_ENTER");
  type(VK_RETURN);
  EXPECT_EQ(text_of(edit), "\t\r\n");
  EXPECT_EQ(key_notifications(log), 0) << "no notification without NOTIFY_TAB / NOTIFY_ENTER";
}
