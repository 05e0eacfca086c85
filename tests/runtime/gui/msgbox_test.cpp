// Real message boxes under the system's modal loop, answered by a driver thread as a person would.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "runtime/gui/gui.h"
#include "tests/support/dialog_driver.h"

namespace {
struct BoxSeen {
  std::string text;
  HICON icon = nullptr;
  std::vector<int> buttons; // ids of the visible buttons, in creation order
  RECT rect = {0, 0, 0, 0};
};

// Shows a box, and from the driver thread notes what it shows and presses press; the box's answer.
int show(Window* owner, const char* text, const char* caption, uint32_t style, int press, BoxSeen* seen) {
  std::string title = caption;
  DialogDriver driver([=](DialogDriver& d) {
    HWND box = d.wait_for(title);
    if (!box) return;
    for (HWND s : DialogDriver::visible_children(box, "Static"))
      if (!DialogDriver::text_of(s).empty()) seen->text = DialogDriver::text_of(s);
    seen->icon = reinterpret_cast<HICON>(SendMessageA(GetDlgItem(box, 0x440), STM_GETICON, 0, 0));
    for (HWND b : DialogDriver::visible_children(box, "Button")) seen->buttons.push_back(GetDlgCtrlID(b));
    GetWindowRect(box, &seen->rect);
    DialogDriver::press(box, press);
    d.wait_gone(box);
  });
  int answer = msgbox_show(owner, text, caption, style);
  EXPECT_TRUE(driver.finish()) << driver.failure();
  return answer;
}

// A plain top-level window to own a box.
struct Owner {
  Window record{};
  Owner(int x, int y, int width, int height) {
    record.handle = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y, width, height,
                                    nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~Owner() { DestroyWindow(record.handle); }
  RECT rect() const {
    RECT r;
    GetWindowRect(record.handle, &r);
    return r;
  }
};
} // namespace

TEST(Msgbox, ShowsItsIconAndButtonsAndGivesTheAnswer) {
  struct Case { const char* name; uint32_t style; LPCSTR icon; std::vector<int> buttons; int press; } cases[] = {
      {"Zero", 0, IDI_EXCLAMATION, {IDOK}, IDOK}, // style 0: an exclamation mark
      {"No", MB_YESNO | MB_ICONQUESTION, IDI_QUESTION, {IDYES, IDNO}, IDNO},
      {"Cancel", MB_YESNOCANCEL | MB_ICONINFORMATION, IDI_ASTERISK, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
  };
  for (const Case& c : cases) {
    BoxSeen seen;
    EXPECT_EQ(show(nullptr, "Some text", c.name, c.style, c.press, &seen), c.press) << c.name;
    EXPECT_EQ(seen.text, "Some text") << c.name;
    EXPECT_EQ(seen.icon, LoadIconA(nullptr, c.icon)) << c.name;
    EXPECT_EQ(seen.buttons, c.buttons) << c.name;
  }
}

// Centred on the desktop or on the owner; where the centred box would leave the screen it is pulled
// back to the work area's right or bottom edge, or to 0.
TEST(Msgbox, IsCentredAndKeptOnTheScreen) {
  enum Place { NO_OWNER, MIDDLE, PAST_START, PAST_END }; // of the owner, along one axis
  struct Case {
    const char* name;
    Place horizontal, vertical;
  } cases[] = {{"Desktop", NO_OWNER, NO_OWNER}, {"Owner", MIDDLE, MIDDLE},  {"Right", PAST_END, MIDDLE},
               {"Bottom", MIDDLE, PAST_END},    {"Left", PAST_START, MIDDLE}, {"Top", MIDDLE, PAST_START},
               {"BottomRight", PAST_END, PAST_END}};
  RECT work, desk;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(GetDesktopWindow(), &desk);
  const int size = 120; // narrower than any box, so the centred box sticks out
  auto at = [&](Place p, LONG end) { return p == PAST_START ? -size / 2 : p == PAST_END ? end - size / 2 : 300; };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<Owner> owner;
    if (c.horizontal != NO_OWNER)
      owner.reset(new Owner(at(c.horizontal, work.right), at(c.vertical, work.bottom), size, size));
    BoxSeen seen;
    show(owner ? &owner->record : nullptr, "A wide enough text for a box wider than its owner", c.name, MB_OK, IDOK,
         &seen);
    RECT ref = owner ? owner->rect() : desk;
    auto check = [](Place p, LONG low, LONG high, LONG ref_low, LONG ref_high, LONG end) {
      if (p == PAST_START) EXPECT_EQ(low, 0);
      else if (p == PAST_END) EXPECT_EQ(high, end);
      else EXPECT_LE(std::abs((low + high) - (ref_low + ref_high)), 1);
    };
    check(c.horizontal, seen.rect.left, seen.rect.right, ref.left, ref.right, work.right);
    check(c.vertical, seen.rect.top, seen.rect.bottom, ref.top, ref.bottom, work.bottom);
  }
}

namespace {
struct MadeDuringBox {
  HWND parent = nullptr;
  RECT popup = {0, 0, 0, 0}, child = {0, 0, 0, 0};
  std::atomic<bool> done{false};
} made;

RECT make_and_measure(HWND parent, DWORD style, int x, int y, int width, int height) {
  HWND w = CreateWindowExA(0, "STATIC", "made", style, x, y, width, height, parent, nullptr, nullptr, nullptr);
  RECT r;
  GetWindowRect(w, &r);
  DestroyWindow(w);
  return r;
}

void CALLBACK make_windows(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  made.popup = make_and_measure(nullptr, WS_POPUP | WS_VISIBLE, 5, 5, 200, 100);
  made.child = make_and_measure(made.parent, WS_CHILD, 7, 9, 50, 20);
  made.done = true;
}
} // namespace

// Windows made while the box is up (a timer's routine runs in its modal loop): a shown pop-up is
// centred like the box, a child keeps the place it asked for; windows made after the box are left alone.
TEST(Msgbox, PopupsMadeWhileTheBoxIsUpAreCentredToo) {
  Owner parent(40, 60, 300, 200);
  made.parent = parent.record.handle;
  ASSERT_NE(SetTimer(nullptr, 0, 10, make_windows), 0u);
  DialogDriver driver([](DialogDriver& d) {
    HWND box = d.wait_for("Busy");
    if (!box) return;
    d.wait([] { return made.done.load(); }, "the timer did not run inside the box");
    DialogDriver::press(box, IDOK);
    d.wait_gone(box);
  });
  msgbox_show(nullptr, "Wait", "Busy", MB_OK);
  ASSERT_TRUE(driver.finish()) << driver.failure();
  RECT desk;
  GetWindowRect(GetDesktopWindow(), &desk);
  EXPECT_EQ(made.popup.left, (desk.right - desk.left - 200) / 2 + desk.left);
  EXPECT_EQ(made.popup.top, (desk.bottom - desk.top - 100) / 2 + desk.top);
  POINT child_at = {made.child.left, made.child.top};
  ScreenToClient(made.parent, &child_at);
  EXPECT_EQ(child_at.x, 7);
  EXPECT_EQ(child_at.y, 9);

  RECT after = make_and_measure(nullptr, WS_POPUP | WS_VISIBLE, 5, 5, 200, 100);
  EXPECT_EQ(after.left, 5) << "the box is gone: a window made now is left where it asked to be";
  EXPECT_EQ(after.top, 5);
}
