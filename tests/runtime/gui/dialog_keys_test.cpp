#include <gtest/gtest.h>

#include <string>

#include "tests/support/dialog_test.h"
#include "tests/support/input.h"
#include "tests/support/temp_text.h"

namespace {
class DialogKeys : public DialogTest {
protected:
  static void post_enter(HWND target) {
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(target, WM_KEYUP, VK_RETURN, 0xC01C0001);
  }
  int button_clicks() const {
    int n = 0;
    for (const EventSnap& e : log.events) n += e.code == EV_COMMAND && e.id == kButton && e.notify == BN_CLICKED;
    return n;
  }
};
} // namespace

TEST_F(DialogKeys, TypingAndEnterInAModalDialogPressTheDefaultButton) {
  std::string typed;
  script = [&] {
    if (event_code == WM_INITDIALOG) SetTimer(dlg.handle, 1, 20, nullptr);
    if (event_code == WM_TIMER && event_wparam == 1) {
      KillTimer(dlg.handle, 1);
      EXPECT_EQ(GetFocus(), GetDlgItem(dlg.handle, kEdit)) << "the first tab stop has the focus";
      type_keys({'A', 'B', 'C', VK_RETURN});
    }
    if (event_code == EV_COMMAND && event_id == kButton) {
      typed = take(ctl_get_text(event_window, kEdit));
      dlg_close(event_window, 1);
    }
    return 0;
  };
  EXPECT_EQ(dlg_modal(&dlg, nullptr), 1);
  EXPECT_EQ(typed, "abc");
  EXPECT_EQ(button_clicks(), 1);
}

TEST_F(DialogKeys, EnterInAModelessDialogGoesThroughTheMessageLoop) {
  ASSERT_NE(dlg_show(&dlg, nullptr), nullptr);
  ctl_set_focus(&dlg, kEdit);
  HWND edit = GetDlgItem(dlg.handle, kEdit);
  ASSERT_EQ(GetFocus(), edit);
  post_enter(edit);
  EXPECT_TRUE(pump_until([&] { return button_clicks() == 1; }, 5000));
  EXPECT_EQ(log.last(EV_COMMAND)->window, &dlg);
  EXPECT_EQ(button_clicks(), 1);
}
