// The system's in-memory dialog template (DLGTEMPLATE and DLGITEMTEMPLATE
// records, strings in UTF-16) built from a dialog's description.
#include <cstring>

#include "runtime/core/core.h"
#include "runtime/gui/dialog_internal.h"

namespace {
constexpr uint16_t kFontPoints = 8;
constexpr const char* kFontFace = "MS Sans Serif";
constexpr size_t kClassChars = sizeof(ControlItem::class_name) - 1; // 32 units with the terminator
constexpr size_t kTitleChars = sizeof(DialogTemplate::title) - 1;

// Lays the template out twice: without a buffer to count its bytes, then
// into a block of exactly that size.
class TemplateWriter {
public:
  explicit TemplateWriter(uint8_t* out) : out_(out) {}
  void word(uint16_t v) { put(&v, sizeof v); }
  void dword(uint32_t v) { put(&v, sizeof v); }
  // length bytes of 8-bit text in the system code page, as UTF-16 with a
  // terminating zero.
  void text(const char* s, size_t length) {
    int n = 0;
    if (s && length) {
      int bytes = static_cast<int>(length);
      n = MultiByteToWideChar(CP_ACP, 0, s, bytes, nullptr, 0);
      if (n > 0 && out_) MultiByteToWideChar(CP_ACP, 0, s, bytes, reinterpret_cast<wchar_t*>(out_ + size_), n);
    }
    size_ += static_cast<uint32_t>(n) * 2;
    word(0);
  }
  // Zero bytes up to the next 4-byte boundary (the block is zero-filled).
  void align() { size_ = (size_ + 3) & ~3u; }
  uint32_t size() const { return size_; }

private:
  void put(const void* p, uint32_t n) {
    if (out_) std::memcpy(out_ + size_, p, n);
    size_ += n;
  }
  uint8_t* out_;
  uint32_t size_ = 0;
};

uint16_t item_count(const DialogTemplate* dialog) {
  uint16_t n = 0;
  for (const ControlItem* item = dialog->controls; item; item = item->next) ++n;
  return n;
}

void write_item(TemplateWriter& w, const ControlItem* item) {
  w.dword(item->style);
  w.dword(item->ex_style);
  w.word(static_cast<uint16_t>(item->x));
  w.word(static_cast<uint16_t>(item->y));
  w.word(static_cast<uint16_t>(item->width));
  w.word(static_cast<uint16_t>(item->height));
  w.word(static_cast<uint16_t>(item->id));
  w.text(item->class_name, strnlen(item->class_name, kClassChars));
  w.text(item->text, item->text ? std::strlen(item->text) : 0);
  w.word(0); // no creation data
  w.align();
}

void write_template(TemplateWriter& w, const DialogTemplate* dialog) {
  w.dword(dialog->style);
  w.dword(dialog->ex_style);
  w.word(item_count(dialog));
  w.word(static_cast<uint16_t>(dialog->x));
  w.word(static_cast<uint16_t>(dialog->y));
  w.word(static_cast<uint16_t>(dialog->width));
  w.word(static_cast<uint16_t>(dialog->height));
  w.word(0); // no menu
  w.text(DLG_CLASS_NAME, std::strlen(DLG_CLASS_NAME));
  w.text(dialog->title, strnlen(dialog->title, kTitleChars));
  w.word(kFontPoints);
  w.text(kFontFace, std::strlen(kFontFace));
  w.align();
  for (const ControlItem* item = dialog->controls; item; item = item->next) write_item(w, item);
}
} // namespace

void* dlg_template_build(const DialogTemplate* dialog, uint32_t* size) {
  TemplateWriter counter(nullptr);
  write_template(counter, dialog);
  uint8_t* block = static_cast<uint8_t*>(block_alloc(VT_BYTE, counter.size()));
  if (!block) return nullptr;
  TemplateWriter writer(block);
  write_template(writer, dialog);
  if (size) *size = writer.size();
  return block;
}
