// Real message boxes under the system's modal loop, answered by a driver thread as a person would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "tests/support/event_log.h"
#include "tests/support/screen.h"

namespace {
struct BoxSeen {
  std::string text;
  HICON icon = nullptr;
  std::vector<int> buttons; // ids of the visible buttons
  RECT rect = {0, 0, 0, 0};
};

// Shows a box, and from the driver thread notes what it shows and presses press; the box's answer.
int show(Window* owner, const char* text, const char* caption, uint32_t style, int press, BoxSeen* seen) {
  auto note = [&](DialogDriver& d) {
    HWND box = d.wait_for(caption);
    if (!box) return;
    seen->icon = reinterpret_cast<HICON>(SendMessageA(GetDlgItem(box, 0x440), STM_GETICON, 0, 0));
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO})
      if (IsWindowVisible(GetDlgItem(box, id))) seen->buttons.push_back(id);
    GetWindowRect(box, &seen->rect);
    seen->text = d.answer_box(caption, press);
  };
  int answer = 0;
  EXPECT_EQ(run_answering([&] { answer = msgbox_show(owner, text, caption, style); }, note), "");
  return answer;
}

} // namespace

using Msgbox = GuiTest;

// Style 0 shows an exclamation mark, any other style as it is. The box is centred on the desktop or on
// its owner; one that would leave the screen is pulled back to the work area's right or bottom edge, or to 0.
TEST_F(Msgbox, ShowsItsIconAndButtonsGivesTheAnswerAndIsCentredOnTheScreen) {
  enum Place { NO_OWNER, MIDDLE, PAST_START, PAST_END }; // of the owner, along one axis
  struct Case {
    const char* name; Place horizontal, vertical; uint32_t style; LPCSTR icon; std::vector<int> buttons; int press;
  } cases[] = {
      {"Desktop", NO_OWNER, NO_OWNER, 0, IDI_EXCLAMATION, {IDOK}, IDOK},
      {"Owner", MIDDLE, MIDDLE, MB_YESNO | MB_ICONQUESTION, IDI_QUESTION, {IDYES, IDNO}, IDNO},
      {"BottomRight", PAST_END, PAST_END, 0, IDI_EXCLAMATION, {IDOK}, IDOK},
      {"TopLeft", PAST_START, PAST_START, 0, IDI_EXCLAMATION, {IDOK}, IDOK}};
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int size = 120; // narrower than any box, so the centred box sticks out
  auto at = [&](Place p, LONG end) { return p == PAST_START ? -size / 2 : p == PAST_END ? end - size / 2 : 300; };
  auto check = [](Place p, LONG low, LONG high, LONG ref_low, LONG ref_high, LONG end) {
    if (p == PAST_START) EXPECT_EQ(low, 0);
    else if (p == PAST_END) EXPECT_EQ(high, end);
    else EXPECT_LE(std::abs((low + high) - (ref_low + ref_high)), 1);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Window* owner = nullptr;
    if (c.horizontal != NO_OWNER)
      owner = &open(at(c.horizontal, work.right), at(c.vertical, work.bottom), size, size, 0x10);
    BoxSeen seen;
    const char* text = "A wide enough text for a box wider than its owner";
    EXPECT_EQ(show(owner, text, c.name, c.style, c.press, &seen), c.press);
    EXPECT_EQ(seen.text, text);
    EXPECT_EQ(seen.icon, LoadIconA(nullptr, c.icon));
    EXPECT_EQ(seen.buttons, c.buttons);
    RECT ref = place_of(owner ? owner->handle : GetDesktopWindow());
    check(c.horizontal, seen.rect.left, seen.rect.right, ref.left, ref.right, work.right);
    check(c.vertical, seen.rect.top, seen.rect.bottom, ref.top, ref.bottom, work.bottom);
    if (owner) win_close(owner);
  }
  HWND popup = CreateWindowExA(0, "STATIC", "after", WS_POPUP | WS_VISIBLE, 5, 6, 200, 100, nullptr, nullptr,
                               nullptr, nullptr);
  RECT after = place_of(popup);
  DestroyWindow(popup);
  EXPECT_EQ(after.left, 5) << "the boxes are gone: a window made now stays where it asked to be";
  EXPECT_EQ(after.top, 6);
}
