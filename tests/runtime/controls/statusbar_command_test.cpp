// ctl_command on a real status bar: parts, texts and re-fitting. Every code gives 0.
#include "tests/runtime/controls/command_fixture.h"

namespace {
class StatusBarCommand : public CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    make_common(STATUSCLASSNAMEA, 0);
  }
  int parts() { return static_cast<int>(SendMessageA(control, SB_GETPARTS, 0, 0)); }
  std::string part_text(int part) {
    char buffer[256] = "";
    SendMessageA(control, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(buffer));
    return buffer;
  }
};
} // namespace

TEST_F(StatusBarCommand, PartsFromAnArrayByReferenceOnly) {
  int32_t edges[3] = {100, 200, -1};
  EXPECT_EQ(cmd(0, num(3), num(edges[0])), 0);
  EXPECT_EQ(cmd(0, num(3), none), 0);
  EXPECT_EQ(cmd(0, str("3"), num_ref(edges)), 0);
  EXPECT_EQ(parts(), 1) << "no array by reference: no parts";
  EXPECT_EQ(cmd(0, num(3), num_ref(edges)), 0);
  int got[3] = {};
  EXPECT_EQ(SendMessageA(control, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(got)), 3);
  EXPECT_EQ(got[0], 100);
  EXPECT_EQ(got[1], 200);
}

TEST_F(StatusBarCommand, TextOfAPartAndRefittingToTheParent) {
  int32_t edges[2] = {150, -1};
  cmd(0, num(2), num_ref(edges));
  EXPECT_EQ(cmd(1, num(1), str("Ready")), 0);
  EXPECT_EQ(cmd(1, num(0), str("Line 3")), 0);
  EXPECT_EQ(part_text(1), "Ready");
  EXPECT_EQ(part_text(0), "Line 3");
  EXPECT_EQ(cmd(1, num(0), num(5)), 0);
  EXPECT_EQ(part_text(0), "Line 3") << "a number is not a text";

  MoveWindow(control, 5, 5, 40, 10, FALSE);
  EXPECT_EQ(cmd(2), 0);
  RECT bar, client;
  GetWindowRect(control, &bar);
  MapWindowPoints(nullptr, parent.handle, reinterpret_cast<POINT*>(&bar), 2);
  GetClientRect(parent.handle, &client);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(bar.right - bar.left, client.right - client.left);
}
