// Controls added to a described dialog become its items; the running dialogs show them (dialog tests).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "runtime/gui/dialog_records.h"
#include "tests/runtime/controls/control_test_support.h"

// A dialog record as dlg_create leaves it, with base units given by hand.
using DialogRecord = GuiTest;

TEST_F(DialogRecord, OnlyPushButtonsAreDefaultsATakenIdOrUnknownKindAddsNothingLongClassNamesAreCut) {
  DialogTemplate* dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
  dialog->base_x = 4;
  dialog->base_y = 8;
  Window d{};
  d.is_dialog = 1;
  d.dialog = dialog;
  int32_t id = 1;
  for (int32_t kind : {1, 13, 20, 2, 4}) ctl_create(&d, kind, "b", 0, 0, 4, 8, BS_DEFPUSHBUTTON, id++);
  std::string defaults;
  for (const ControlItem* i = dialog->controls; i; i = i->next) defaults += std::to_string(i->default_button);
  EXPECT_EQ(defaults, "11100") << "kinds 1, 13 and 20 only";
  ctl_create(&d, 1, "two", 0, 0, 4, 8, 0, 1);
  ctl_create_class(&d, "EDIT", "three", 0, 0, 4, 8, 0, 0, 1);
  ctl_create(&d, 17, "unknown", 0, 0, 4, 8, 0, 8);
  int items = 0;
  for (const ControlItem* i = dialog->controls; i; i = i->next) ++items;
  EXPECT_EQ(items, 5);
  std::string name(40, 'C');
  dlg_add_control(&d, 0, name.c_str(), "", 0, 0, 0, 4, 8, 9, 99, 0);
  const ControlItem* last = dialog->controls;
  while (last->next) last = last->next;
  EXPECT_EQ(std::string(last->class_name), name.substr(0, 31)) << "a long class name is cut to its field";
  dlg_template_free(dialog);
}
