#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
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
    dlg_template_free(dialog);
    dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
    dialog->base_x = base_x;
    dialog->base_y = base_y;
    d.is_dialog = 1;
    d.dialog = dialog;
  }
  void TearDown() override {
    dlg_template_free(dialog);
    GuiTest::TearDown();
  }
  // Each item as "class x,y wxh style ex kind id default text".
  std::vector<std::string> items() const {
    std::vector<std::string> out;
    for (const ControlItem* i = dialog->controls; i; i = i->next) {
      char line[160];
      std::snprintf(line, sizeof line, "%s %d,%d %dx%d %08X %X %d %d %d %s", i->class_name, i->x, i->y, i->width,
                    i->height, i->style, i->ex_style, i->kind, i->id, i->default_button,
                    i->text ? ("'" + std::string(i->text) + "'").c_str() : "null");
      out.push_back(line);
    }
    return out;
  }
};
} // namespace

TEST_F(DialogRecord, PixelsBecomeDialogUnits) {
  struct Case { int32_t base_x, base_y, x, y, width, height; const char* units; } cases[] = {
      {8, 16, 16, 32, 40, 16, "8,16 20x8"},
      {6, 8, 0, 0, 100, 70, "0,0 67x70"}, // 400 / 6 = 66.67 rounds up
      {7, 13, 25, 45, 55, 20, "14,28 32x12"},
  };
  for (const Case& c : cases) {
    describe(c.base_x, c.base_y);
    EXPECT_EQ(ctl_create(&d, 4, "", c.x, c.y, c.width, c.height, 0, 1), 0);
    ASSERT_EQ(items().size(), 1u);
    EXPECT_EQ(items()[0].substr(5, std::strlen(c.units)), c.units) << c.base_x << "x" << c.base_y;
  }
}

TEST_F(DialogRecord, ControlsBecomeItemsInTheOrderAddedAndOnlyPushButtonsAreDefaults) {
  describe(6, 8);
  CreationSpy spy;
  const char* caption = "Find Next";
  EXPECT_EQ(ctl_create(&d, 4, "", 15, 15, 70, 20, 0x10080, 2), 0);
  EXPECT_EQ(ctl_create(&d, 1, caption, 25, 45, 55, 20, BS_DEFPUSHBUTTON | WS_TABSTOP, 1), 0);
  EXPECT_EQ(ctl_create(&d, 7, nullptr, 0, 0, 6, 8, 0x80000, 3), 0); // hidden: no WS_VISIBLE, no 0x80000
  EXPECT_EQ(ctl_create_class(&d, "SysListView32", "list", 0, 0, 6, 8, LVS_REPORT, WS_EX_CLIENTEDGE, 4), nullptr);
  EXPECT_TRUE(spy.creations().empty()) << "a dialog's controls are only described";
  EXPECT_EQ(items(), (std::vector<std::string>{"EDIT 10,15 47x20 50810080 200 4 2 0 ''",
                                               "BUTTON 17,45 36x20 5001000B 0 1 1 1 'Find Next'",
                                               "STATIC 0,0 4x8 40000000 0 7 3 0 null",
                                               "SysListView32 0,0 4x8 50000001 200 99 4 0 'list'"}));
  const char* copy = dialog->controls->next->text;
  EXPECT_NE(copy, caption) << "the item owns a copy";
  EXPECT_EQ(GlobalSize(const_cast<char*>(copy)), std::strlen(caption) + 1) << "a block of length + 1 bytes";

  describe(4, 8);
  int32_t id = 1;
  for (int32_t kind : {1, 13, 20, 2, 3, 4, 7}) ctl_create(&d, kind, "b", 0, 0, 4, 8, BS_DEFPUSHBUTTON, id++);
  std::string defaults;
  for (const ControlItem* i = dialog->controls; i; i = i->next) defaults += std::to_string(i->default_button);
  EXPECT_EQ(defaults, "1110000") << "kinds 1, 13 and 20 only";
}

TEST_F(DialogRecord, ADuplicateIdOrUnknownKindAddsNothingAndLongClassNamesAreCut) {
  describe(4, 8);
  ctl_create(&d, 4, "one", 0, 0, 4, 8, 0, 7);
  ctl_create(&d, 1, "two", 0, 0, 4, 8, 0, 7);
  ctl_create_class(&d, "EDIT", "three", 0, 0, 4, 8, 0, 0, 7);
  dlg_add_control(&d, 0, "EDIT", "four", 0, 0, 0, 4, 8, 7, 4, 0);
  ctl_create(&d, 17, "unknown", 0, 0, 4, 8, 0, 8);
  ASSERT_EQ(items().size(), 1u);
  EXPECT_STREQ(dialog->controls->text, "one");
  std::string name(40, 'C');
  dlg_add_control(&d, 0, name.c_str(), "", 0, 0, 0, 4, 8, 1, 99, 0);
  EXPECT_EQ(std::string(dialog->controls->next->class_name), name.substr(0, 31));
}
