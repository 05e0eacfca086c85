// Describing dialogs: the record dlg_create fills, the template built from it, and the descriptions
// dlg_list_free frees.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/gui/dialog_internal.h"
#include "tests/support/dialog_test.h"

namespace {
using Bytes = std::vector<uint8_t>;

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A string as the template holds it: UTF-16, little-endian, with its zero.
Bytes wide(const char16_t* s) {
  Bytes out;
  for (; *s; ++s) out.insert(out.end(), {static_cast<uint8_t>(*s & 0xFF), static_cast<uint8_t>(*s >> 8)});
  return out + Bytes{0, 0};
}

Bytes build(const DialogTemplate* dialog) {
  uint32_t size = 0;
  uint8_t* block = static_cast<uint8_t*>(dlg_template_build(dialog, &size));
  EXPECT_NE(block, nullptr);
  Bytes out(block, block + size);
  EXPECT_GE(GlobalSize(block), size) << "the block holds the whole layout";
  block_free(block);
  return out;
}

struct Description {
  DialogTemplate* dialog = static_cast<DialogTemplate*>(block_alloc(VT_BYTE, sizeof(DialogTemplate)));
  ~Description() { dlg_template_free(dialog); }
};

std::string units_text(const DialogRect& r) {
  return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
         std::to_string(r.height);
}

// The records live in the fixture: the dialog list keeps their addresses until dlg_list_free.
class DialogCreate : public GuiTest {
protected:
  Window dialog{};
  void TearDown() override {
    dlg_list_free();
    GuiTest::TearDown();
  }
};

// Describes two dialogs (one of them twice), runs them modal and modeless, and frees the descriptions.
void describe_run_and_free() {
  Window a{}, b{};
  dlg_create(&a, 0, 0, 200, 100, 0, nullptr, "Replaced", nullptr);
  ctl_create(&a, KIND_STATIC, "replaced", 5, 5, 40, 10, 0, 9);
  dlg_create(&a, 0, 0, 200, 100, WS_CAPTION | WS_SYSMENU, nullptr, "Memory A", EventLog::handler);
  ASSERT_EQ(a.dialog->controls, nullptr) << "describing a record again replaces its description";
  ctl_create(&a, KIND_EDIT, "some text", 5, 5, 120, 20, WS_TABSTOP, 2);
  ctl_create(&a, KIND_BUTTON, "OK", 5, 40, 60, 24, WS_TABSTOP | BS_DEFPUSHBUTTON, 1);
  dlg_create(&b, 0, 0, 100, 50, WS_CAPTION, nullptr, std::string(300, 'b').c_str(), nullptr);
  ctl_create(&b, KIND_STATIC, nullptr, 5, 5, 60, 16, 0, 3);
  ctl_create_class(&b, "BUTTON", "Check", 5, 25, 60, 16, BS_AUTOCHECKBOX, 0, 4);
  EventLog::get().on_event = [] {
    if (event_code == WM_INITDIALOG && !event_window->dialog->modeless)
      PostMessageA(event_window->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  };
  EXPECT_EQ(dlg_modal(&a, nullptr), 2);
  EXPECT_NE(dlg_show(&a, nullptr), nullptr);
  dlg_close(&a, 0);
  EXPECT_NE(dlg_show(&b, nullptr), nullptr);
  dlg_close(&b, 0);
  EventLog::get().on_event = nullptr;
  dlg_list_free();
  EXPECT_EQ(a.dialog, nullptr);
  EXPECT_EQ(b.dialog, nullptr);
  dlg_list_free(); // an empty list: nothing to do, nothing freed twice
}
} // namespace

TEST(DialogUnits, EachEdgeIsScaledAndRoundedToTheNearestUnit) {
  struct Case { int32_t base_x, base_y, x, y, width, height; const char* units; } cases[] = {
      {6, 8, 25, 45, 55, 20, "17,45 36x20"}, // 16.7 .. 53.3: each edge on its own
      {8, 8, 1, 1, 1, 1, "1,1 0x1"},         // 0.5 and 1.0 both give 1: width 0
      {6, 8, -3, -5, 6, 10, "-2,-5 4x10"},   // negative positions
  };
  for (const Case& c : cases)
    EXPECT_EQ(units_text(dlg_units_from_pixels(c.base_x, c.base_y, c.x, c.y, c.width, c.height)), c.units)
        << c.x << "," << c.y << " " << c.width << "x" << c.height << " at " << c.base_x << "x" << c.base_y;
}

TEST_F(DialogCreate, FillsTheRecordAndTheTemplate) {
  dialog.bk_mode = 2;
  ASSERT_EQ(dlg_create(&dialog, 0, 0, 100, 70, 0xC80000, nullptr, "Search", EventLog::handler), 1);
  EXPECT_EQ(dialog.bk_mode, 0u) << "what was in the record is cleared";
  ASSERT_NE(dialog.dialog, nullptr);
  const DialogTemplate* t = dialog.dialog;
  EXPECT_EQ(t->style, 0x90C800C0u);
  EXPECT_EQ(units_text({t->x, t->y, t->width, t->height}),
            units_text(dlg_units_from_pixels(t->base_x, t->base_y, 0, 0, 100, 70)));
}

TEST_F(DialogCreate, ListFreeAfterDialogsRanFreesEverything) {
  describe_run_and_free(); // the system's own first-use allocations happen here
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  int before = busy_heap_blocks();
  describe_run_and_free();
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  EXPECT_EQ(busy_heap_blocks(), before) << "templates, items, texts, list nodes and run templates all freed";
  EXPECT_EQ(runtime_dialog_windows(), 0);
}

TEST(DialogTemplate, BytesOfTheSearchDialog) {
  Description d;
  d.dialog->style = 0x90C800C0;
  std::strcpy(d.dialog->title, "Search");
  d.dialog->width = 67;
  d.dialog->height = 70;
  append_item(d.dialog, "EDIT", "abc", 0x50810080, 0x200, 10, 15, 47, 20, 2, 4);
  append_item(d.dialog, "BUTTON", "Find Next", 0x5001000B, 0, 17, 45, 36, 20, 1, 1, 1);
  append_item(d.dialog, "STATIC", nullptr, 0x50000000, 0, 1, 2, 3, 4, 7, 7);

  Bytes expected = Bytes{0xC0, 0x00, 0xC8, 0x90,                            // style
                         0x00, 0x00, 0x00, 0x00,                            // extended style
                         0x03, 0x00,                                        // items
                         0x00, 0x00, 0x00, 0x00, 0x43, 0x00, 0x46, 0x00,    // x 0, y 0, 67 by 70
                         0x00, 0x00} +                                      // no menu
                   wide(u"CorvatineDlgClass") + wide(u"Search") +           // at 20 and 56
                   Bytes{0x08, 0x00} + wide(u"MS Sans Serif") +             // ends at 100
                   // edit field at 100
                   Bytes{0x80, 0x00, 0x81, 0x50, 0x00, 0x02, 0x00, 0x00,    // style, extended style
                         0x0A, 0x00, 0x0F, 0x00, 0x2F, 0x00, 0x14, 0x00,    // 10, 15, 47 by 20
                         0x02, 0x00} +                                      // id
                   wide(u"EDIT") + wide(u"abc") + Bytes{0x00, 0x00, 0x00, 0x00} + // no data, padding
                   // button at 140
                   Bytes{0x0B, 0x00, 0x01, 0x50, 0x00, 0x00, 0x00, 0x00,
                         0x11, 0x00, 0x2D, 0x00, 0x24, 0x00, 0x14, 0x00,    // 17, 45, 36 by 20
                         0x01, 0x00} +
                   wide(u"BUTTON") + wide(u"Find Next") + Bytes{0x00, 0x00, 0x00, 0x00} +
                   // static at 196, no text: an empty string
                   Bytes{0x00, 0x00, 0x00, 0x50, 0x00, 0x00, 0x00, 0x00,
                         0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0x04, 0x00,
                         0x07, 0x00} +
                   wide(u"STATIC") + wide(u"") + Bytes{0x00, 0x00};
  ASSERT_EQ(expected.size(), 232u);
  Bytes actual = build(d.dialog);
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << "byte " << i;
}
