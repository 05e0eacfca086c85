#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <iterator>
#include <vector>

#include "runtime/gui/dialog_records.h"
#include "tests/runtime/controls/control_test_support.h"

namespace {
// A dialog record as dlg_create leaves it, with base units given by hand.
class DialogRecord : public GuiTest {
protected:
  Window d{};
  DialogTemplate* dialog = nullptr;
  void describe(int32_t base_x, int32_t base_y) {
    dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
    ASSERT_NE(dialog, nullptr);
    dialog->base_x = base_x;
    dialog->base_y = base_y;
    d.is_dialog = 1;
    d.dialog = dialog;
  }
  void TearDown() override {
    dlg_template_free(dialog);
    GuiTest::TearDown();
  }
  std::vector<const ControlItem*> items() const {
    std::vector<const ControlItem*> out;
    for (const ControlItem* i = dialog->controls; i; i = i->next) out.push_back(i);
    return out;
  }
};
} // namespace

TEST_F(DialogRecord, PixelsBecomeDialogUnits) {
  struct Case {
    int32_t base_x, base_y;
    int32_t x, y, width, height;
    int32_t ux, uy, uw, uh;
  } cases[] = {
      {8, 16, 16, 32, 40, 16, 8, 16, 20, 8},
      {6, 8, 0, 0, 100, 70, 0, 0, 67, 70},   // 400 / 6 = 66.67 rounds up
      {6, 8, 15, 15, 70, 20, 10, 15, 47, 20}, // 10, then 56.67 -> 57
      {7, 13, 25, 45, 55, 20, 14, 28, 32, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.base_x) + "x" + std::to_string(c.base_y));
    describe(c.base_x, c.base_y);
    EXPECT_EQ(ctl_create(&d, 4, "", c.x, c.y, c.width, c.height, 0, 1), 0);
    ASSERT_EQ(items().size(), 1u);
    const ControlItem* item = items()[0];
    EXPECT_EQ(item->x, c.ux);
    EXPECT_EQ(item->y, c.uy);
    EXPECT_EQ(item->width, c.uw);
    EXPECT_EQ(item->height, c.uh);
    dlg_template_free(dialog);
    dialog = nullptr;
  }
}

TEST_F(DialogRecord, ControlsBecomeItemsInTheOrderAdded) {
  describe(6, 8);
  CreationSpy spy;
  const char* caption = "Find Next";
  EXPECT_EQ(ctl_create(&d, 4, "", 15, 15, 70, 20, 0x10080, 2), 0);
  EXPECT_EQ(ctl_create(&d, 1, caption, 25, 45, 55, 20, BS_DEFPUSHBUTTON | WS_TABSTOP, 1), 0);
  EXPECT_EQ(ctl_create(&d, 7, nullptr, 0, 0, 6, 8, 0x80000, 3), 0);
  EXPECT_EQ(ctl_create_class(&d, "SysListView32", "list", 0, 0, 6, 8, LVS_REPORT, WS_EX_CLIENTEDGE, 4), nullptr);
  EXPECT_TRUE(spy.creations().empty()) << "a dialog's controls are only described";

  std::vector<const ControlItem*> list = items();
  ASSERT_EQ(list.size(), 4u);
  EXPECT_STREQ(list[0]->class_name, "EDIT");
  EXPECT_EQ(list[0]->style, 0x50000000u | WS_BORDER | 0x10080u);
  EXPECT_EQ(list[0]->ex_style, static_cast<uint32_t>(WS_EX_CLIENTEDGE));
  EXPECT_EQ(list[0]->kind, 4);
  EXPECT_EQ(list[0]->id, 2);
  EXPECT_EQ(list[0]->default_button, 0);
  ASSERT_NE(list[0]->text, nullptr);
  EXPECT_STREQ(list[0]->text, "");

  EXPECT_STREQ(list[1]->class_name, "BUTTON");
  EXPECT_EQ(list[1]->style, 0x50000000u | WS_TABSTOP | BS_OWNERDRAW);
  EXPECT_EQ(list[1]->kind, 1);
  EXPECT_EQ(list[1]->default_button, 1);
  EXPECT_STREQ(list[1]->text, caption);
  EXPECT_NE(list[1]->text, caption) << "the item owns a copy";
  EXPECT_EQ(GlobalSize(list[1]->text), std::strlen(caption) + 1) << "a block of length + 1 bytes";

  EXPECT_STREQ(list[2]->class_name, "STATIC");
  EXPECT_EQ(list[2]->style, static_cast<uint32_t>(WS_CHILD)) << "hidden: no WS_VISIBLE, no 0x80000";
  EXPECT_EQ(list[2]->text, nullptr);

  EXPECT_STREQ(list[3]->class_name, "SysListView32");
  EXPECT_EQ(list[3]->kind, 99);
  EXPECT_EQ(list[3]->style, 0x50000000u | LVS_REPORT);
  EXPECT_EQ(list[3]->ex_style, static_cast<uint32_t>(WS_EX_CLIENTEDGE));
  EXPECT_EQ(list[3]->next, nullptr);
}

TEST_F(DialogRecord, DefaultFlagIsNotedForPushButtonKindsOnly) {
  describe(4, 8);
  struct Case {
    int32_t kind;
    int32_t flag;
  } cases[] = {{1, 1}, {13, 1}, {20, 1}, {2, 0}, {3, 0}, {4, 0}, {7, 0}};
  int32_t id = 1;
  for (const Case& c : cases) ctl_create(&d, c.kind, "b", 0, 0, 4, 8, BS_DEFPUSHBUTTON, id++);
  std::vector<const ControlItem*> list = items();
  ASSERT_EQ(list.size(), std::size(cases));
  for (size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i]->default_button, cases[i].flag) << cases[i].kind;
}

TEST_F(DialogRecord, ADuplicateIdOrAnUnknownKindAddsNothing) {
  describe(4, 8);
  ctl_create(&d, 4, "one", 0, 0, 4, 8, 0, 7);
  ctl_create(&d, 1, "two", 0, 0, 4, 8, 0, 7);
  ctl_create_class(&d, "EDIT", "three", 0, 0, 4, 8, 0, 0, 7);
  dlg_add_control(&d, 0, "EDIT", "four", 0, 0, 0, 4, 8, 7, 4, 0);
  ctl_create(&d, 17, "unknown", 0, 0, 4, 8, 0, 8);
  std::vector<const ControlItem*> list = items();
  ASSERT_EQ(list.size(), 1u);
  EXPECT_STREQ(list[0]->text, "one");
}

TEST_F(DialogRecord, ALongClassNameIsCutToFitItsField) {
  describe(4, 8);
  std::string name(40, 'C');
  dlg_add_control(&d, 0, name.c_str(), "", 0, 0, 0, 4, 8, 1, 99, 0);
  ASSERT_EQ(items().size(), 1u);
  EXPECT_EQ(std::string(items()[0]->class_name), name.substr(0, 31));
}

TEST_F(DialogRecord, ARichEditItemHasItsClassReadyForTheDialog) {
  if (GetModuleHandleA("riched32.dll")) GTEST_SKIP() << "another test of this process loaded it";
  describe(4, 8);
  ctl_create(&d, 10, "", 0, 0, 40, 40, 0, 1);
  EXPECT_NE(GetModuleHandleA("riched32.dll"), nullptr);
  WNDCLASSA wc;
  EXPECT_TRUE(GetClassInfoA(nullptr, "RichEdit", &wc) ||
              GetClassInfoA(GetModuleHandleA("riched32.dll"), "RichEdit", &wc));
}
