#include <gtest/gtest.h>

#include <cstring>

#include "runtime/gui/dialog_records.h"
#include "tests/support/dialog_helpers.h"
#include "tests/support/event_log.h"

namespace {
ControlItem* new_item(const char* text) {
  ControlItem* item = static_cast<ControlItem*>(block_alloc(VT_BYTE, sizeof(ControlItem)));
  if (text) {
    item->text = static_cast<char*>(block_alloc(VT_BYTE, static_cast<uint32_t>(std::strlen(text) + 1)));
    std::strcpy(item->text, text);
  }
  return item;
}

} // namespace

TEST(DialogList, FreesEveryTemplateItemAndTextOnce) {
  Window a{}, b{}, c{};
  int before = busy_heap_blocks();
  a.dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
  ControlItem* first = new_item("Find Next");
  ControlItem* second = new_item(nullptr);
  first->next = second;
  a.dialog->controls = first;
  b.dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
  dlg_list_add(&a);
  dlg_list_add(&b);
  dlg_list_add(&c); // a record without a template is passed over
  EXPECT_EQ(busy_heap_blocks(), before + 8) << "2 templates, 2 items, 1 text, 3 list nodes";

  dlg_list_free();
  EXPECT_EQ(a.dialog, nullptr);
  EXPECT_EQ(b.dialog, nullptr);
  EXPECT_EQ(busy_heap_blocks(), before);
  dlg_list_free(); // an empty list: nothing to do, nothing freed twice
}
