#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/gui/dialog_internal.h"
#include "tests/support/dialog_helpers.h"

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
} // namespace

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

TEST(DialogTemplate, ItemsStartOnFourByteBoundariesAndClassNamesStopAtThirtyOneCharacters) {
  // Titles of 0 to 3 characters move the header's end through every remainder (the empty title: 88 bytes).
  for (const char* title : {"", "a", "ab", "abc"}) {
    Description d;
    std::strcpy(d.dialog->title, title);
    append_item(d.dialog, "EDIT", "x", 0x50000000, 0, 0, 0, 1, 1, 3);
    Bytes bytes = build(d.dialog);
    size_t header_end = 20 + 36 + 2 * (std::strlen(title) + 1) + 2 + 28;
    size_t first_item = (header_end + 3) & ~size_t{3};
    ASSERT_EQ(bytes.size(), first_item + 36) << title << ": 34 bytes of item, padded";
    EXPECT_EQ(bytes[first_item], 0x00);
    EXPECT_EQ(bytes[first_item + 3], 0x50) << "the item's style begins at " << first_item;
    EXPECT_EQ(bytes[first_item + 16], 0x03) << "id";
    for (size_t i = header_end; i < first_item; ++i) EXPECT_EQ(bytes[i], 0) << "padding at " << i;
  }

  Description d;
  ControlItem* item = append_item(d.dialog, "", "", 0x50000000, 0, 0, 0, 1, 1, 1);
  std::memset(item->class_name, 'K', sizeof item->class_name); // no terminator in the record
  Bytes bytes = build(d.dialog);
  const size_t class_start = 88 + 18; // the item after the empty title's header, then its fixed part
  ASSERT_GE(bytes.size(), class_start + 64);
  Bytes class_name(bytes.begin() + class_start, bytes.begin() + class_start + 64);
  EXPECT_EQ(class_name, wide(std::u16string(31, u'K').c_str())) << "31 characters and the terminator";
}
