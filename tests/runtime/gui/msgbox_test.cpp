// Real message boxes under the system's modal loop, answered by a driver
// thread as a person would: find the box, read it, press a button.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/gui/gui.h"
#include "tests/support/dialog_driver.h"

namespace {

constexpr int MSGBOX_ICON_ID = 0x440; // the system box's icon control

struct BoxSeen {
  std::string text;
  HICON icon = nullptr;
  std::vector<int> buttons; // ids of the visible buttons, in creation order
  RECT rect = {0, 0, 0, 0};
};

// A driver that waits for the box titled caption, records what it shows and
// presses the button with id answer.
DialogDriver::Script answer_box(const char* caption, int answer, BoxSeen* seen) {
  std::string title = caption;
  return [title, answer, seen](DialogDriver& d) {
    HWND box = d.wait_for(title);
    if (!box)
      return;
    for (HWND s : DialogDriver::visible_children(box, "Static")) {
      std::string t = DialogDriver::text_of(s);
      if (!t.empty())
        seen->text = t;
    }
    seen->icon = reinterpret_cast<HICON>(SendMessageA(GetDlgItem(box, MSGBOX_ICON_ID), STM_GETICON, 0, 0));
    for (HWND b : DialogDriver::visible_children(box, "Button"))
      seen->buttons.push_back(GetDlgCtrlID(b));
    GetWindowRect(box, &seen->rect);
    DialogDriver::press(box, answer);
    d.wait_gone(box);
  };
}

RECT work_area() {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return work;
}

// A plain top-level window to own a box, placed where the test wants it.
class OwnerWindow {
public:
  OwnerWindow(int x, int y, int width, int height) {
    record_.handle = CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_CAPTION | WS_VISIBLE, x, y, width,
                                     height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~OwnerWindow() {
    if (record_.handle)
      DestroyWindow(record_.handle);
  }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  Window* record() { return &record_; }
  RECT rect() const {
    RECT r;
    GetWindowRect(record_.handle, &r);
    return r;
  }

private:
  Window record_{};
};

struct StyleCase {
  const char* name;
  uint32_t style;
  LPCSTR icon;
  std::vector<int> buttons;
  int press;
  int answer;
};

void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.name; }

class MsgboxStyle : public ::testing::TestWithParam<StyleCase> {};

TEST_P(MsgboxStyle, ShowsItsIconAndButtonsAndGivesTheAnswer) {
  const StyleCase& c = GetParam();
  BoxSeen seen;
  DialogDriver driver(answer_box(c.name, c.press, &seen));
  int answer = msgbox_show(nullptr, "Some text", c.name, c.style);
  ASSERT_TRUE(driver.finish()) << driver.failure();
  EXPECT_EQ(answer, c.answer);
  EXPECT_EQ(seen.text, "Some text");
  EXPECT_EQ(seen.icon, LoadIconA(nullptr, c.icon));
  EXPECT_EQ(seen.buttons, c.buttons);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MsgboxStyle,
    ::testing::Values(StyleCase{"Zero", 0, IDI_EXCLAMATION, {IDOK}, IDOK, IDOK},
                      StyleCase{"Information", MB_OK | MB_ICONINFORMATION, IDI_ASTERISK, {IDOK}, IDOK, IDOK},
                      StyleCase{"Yes", MB_YESNO | MB_ICONQUESTION, IDI_QUESTION, {IDYES, IDNO}, IDYES, IDYES},
                      StyleCase{"No", MB_YESNO | MB_ICONQUESTION, IDI_QUESTION, {IDYES, IDNO}, IDNO, IDNO},
                      StyleCase{"Cancel",
                                MB_YESNOCANCEL | MB_ICONQUESTION,
                                IDI_QUESTION,
                                {IDYES, IDNO, IDCANCEL},
                                IDCANCEL,
                                IDCANCEL}),
    [](const ::testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

TEST(Msgbox, WithoutOwnerIsCentredOnTheDesktop) {
  BoxSeen seen;
  DialogDriver driver(answer_box("Centred", IDOK, &seen));
  msgbox_show(nullptr, "In the middle", "Centred", MB_OK);
  ASSERT_TRUE(driver.finish()) << driver.failure();
  RECT desk;
  GetWindowRect(GetDesktopWindow(), &desk);
  int w = seen.rect.right - seen.rect.left, h = seen.rect.bottom - seen.rect.top;
  EXPECT_EQ(seen.rect.left, (desk.right - desk.left - w) / 2 + desk.left);
  EXPECT_EQ(seen.rect.top, (desk.bottom - desk.top - h) / 2 + desk.top);
}

TEST(Msgbox, WithOwnerIsCentredOnTheOwner) {
  OwnerWindow owner(100, 150, 500, 400);
  ASSERT_NE(owner.record()->handle, nullptr);
  BoxSeen seen;
  DialogDriver driver(answer_box("On owner", IDOK, &seen));
  msgbox_show(owner.record(), "Over the owner", "On owner", MB_OK);
  ASSERT_TRUE(driver.finish()) << driver.failure();
  RECT o = owner.rect();
  EXPECT_LE(std::abs((seen.rect.left + seen.rect.right) - (o.left + o.right)), 1);
  EXPECT_LE(std::abs((seen.rect.top + seen.rect.bottom) - (o.top + o.bottom)), 1);
}

// Owners placed so that the centred box would leave the screen: the box
// is pulled back to the work area's right or bottom edge, or to 0.
enum Place { MIDDLE, PAST_START, PAST_END }; // of the owner, along one axis

struct EdgeCase {
  const char* name;
  Place horizontal, vertical;
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

class MsgboxEdge : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(MsgboxEdge, IsKeptOnTheScreen) {
  const EdgeCase& c = GetParam();
  RECT work = work_area();
  const int size = 120; // narrower than any box, so the centred box sticks out
  auto place = [&](Place p, LONG end) {
    return p == MIDDLE ? 300 : p == PAST_START ? -size / 2 : end - size / 2;
  };
  OwnerWindow owner(place(c.horizontal, work.right), place(c.vertical, work.bottom), size, size);
  ASSERT_NE(owner.record()->handle, nullptr);
  BoxSeen seen;
  DialogDriver driver(answer_box(c.name, IDOK, &seen));
  msgbox_show(owner.record(), "A wide enough text for a box wider than its owner", c.name, MB_OK);
  ASSERT_TRUE(driver.finish()) << driver.failure();
  RECT o = owner.rect();
  switch (c.horizontal) {
  case MIDDLE: EXPECT_LE(std::abs((seen.rect.left + seen.rect.right) - (o.left + o.right)), 1); break;
  case PAST_START: EXPECT_EQ(seen.rect.left, 0); break;
  case PAST_END: EXPECT_EQ(seen.rect.right, work.right); break;
  }
  switch (c.vertical) {
  case MIDDLE: EXPECT_LE(std::abs((seen.rect.top + seen.rect.bottom) - (o.top + o.bottom)), 1); break;
  case PAST_START: EXPECT_EQ(seen.rect.top, 0); break;
  case PAST_END: EXPECT_EQ(seen.rect.bottom, work.bottom); break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Edges, MsgboxEdge,
    ::testing::Values(EdgeCase{"Right", PAST_END, MIDDLE}, EdgeCase{"Bottom", MIDDLE, PAST_END},
                      EdgeCase{"Left", PAST_START, MIDDLE}, EdgeCase{"Top", MIDDLE, PAST_START},
                      EdgeCase{"BottomRight", PAST_END, PAST_END}),
    [](const ::testing::TestParamInfo<EdgeCase>& info) { return std::string(info.param.name); });

// Windows that the program creates while the box is up (a timer's routine
// runs inside the box's modal loop): a pop-up that is shown is centred like
// the box, a child window keeps the place it asked for.
struct MadeDuringBox {
  HWND parent = nullptr;
  RECT popup = {0, 0, 0, 0};
  RECT child = {0, 0, 0, 0};
  std::atomic<bool> done{false};
};
MadeDuringBox made;

void CALLBACK make_windows(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND popup = CreateWindowExA(0, "STATIC", "later", WS_POPUP | WS_VISIBLE, 5, 5, 200, 100, nullptr, nullptr,
                               instance, nullptr);
  HWND child =
      CreateWindowExA(0, "STATIC", "child", WS_CHILD, 7, 9, 50, 20, made.parent, nullptr, instance, nullptr);
  GetWindowRect(popup, &made.popup);
  GetWindowRect(child, &made.child);
  DestroyWindow(child);
  DestroyWindow(popup);
  made.done = true;
}

TEST(Msgbox, PopupsMadeWhileTheBoxIsUpAreCentredToo) {
  OwnerWindow parent(40, 60, 300, 200);
  ASSERT_NE(parent.record()->handle, nullptr);
  made.parent = parent.record()->handle;
  made.done = false;
  ASSERT_NE(SetTimer(nullptr, 0, 10, make_windows), 0u);
  DialogDriver driver([](DialogDriver& d) {
    HWND box = d.wait_for("Busy");
    if (!box)
      return;
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
}

TEST(Msgbox, WindowsMadeAfterTheBoxAreLeftAlone) {
  BoxSeen seen;
  DialogDriver driver(answer_box("Before", IDOK, &seen));
  msgbox_show(nullptr, "First", "Before", MB_OK);
  ASSERT_TRUE(driver.finish()) << driver.failure();
  HWND popup = CreateWindowExA(0, "STATIC", "after", WS_POPUP | WS_VISIBLE, 5, 5, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(popup, nullptr);
  RECT r;
  GetWindowRect(popup, &r);
  DestroyWindow(popup);
  EXPECT_EQ(r.left, 5);
  EXPECT_EQ(r.top, 5);
}

} // namespace
