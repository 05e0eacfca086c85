// Printing a real rich-edit control: a cancelled print dialog prints
// nothing, and the page loop always ends.
#include "runtime/controls/richedit_api.h"
#include "runtime/controls/richedit_print.h"

#include <winspool.h>

#include "tests/runtime/controls/command_fixture.h"
#include "tests/support/dialog_driver.h"

namespace {
// Counts the pages the control is asked to render; the control's own
// procedure does the work.
struct RenderCount {
  static WNDPROC& original() {
    static WNDPROC p = nullptr;
    return p;
  }
  static int& rendered() {
    static int n = 0;
    return n;
  }
  static LRESULT CALLBACK proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == EM_FORMATRANGE && wp != 0) ++rendered();
    return CallWindowProcA(original(), w, m, wp, lp);
  }
  explicit RenderCount(HWND control) : control_(control) {
    rendered() = 0;
    original() = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RenderCount::proc)));
  }
  ~RenderCount() { SetWindowLongPtrA(control_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original())); }
  int count() const { return rendered(); }
  HWND control_;
};

// A device like the screen to lay pages out on, in place of a printer.
struct ScreenDevice {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 64);
  HGDIOBJ old = SelectObject(dc, bitmap);
  ~ScreenDevice() {
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
  }
  // The smaller side of the page the device gives, in twips.
  int32_t page_twips() const {
    int w = GetDeviceCaps(dc, HORZRES) / GetDeviceCaps(dc, LOGPIXELSX);
    int h = GetDeviceCaps(dc, VERTRES) / GetDeviceCaps(dc, LOGPIXELSY);
    return (w < h ? w : h) * 1440;
  }
};

class RichPrint : public CommandTest {
protected:
  void SetUp() override {
    CommandTest::SetUp();
    make_rich();
    SendMessageA(control, EM_EXLIMITTEXT, 0, 1 << 20);
  }
};
} // namespace

// The printers the system lists; with none, the system shows a notice in
// place of the print dialog.
int printer_count() {
  DWORD need = 0, count = 0;
  EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &need, &count);
  std::vector<BYTE> info(need + 1);
  if (!EnumPrintersA(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, info.data(), need, &need, &count))
    return 0;
  return static_cast<int>(count);
}

TEST_F(RichPrint, CancelledDialogPrintsNothing) {
  set_text("never printed");
  RenderCount renders(control);
  bool printers = printer_count() > 0;
  bool had_cancel = false;
  std::string notice;
  DialogDriver driver([&](DialogDriver& d) {
    HWND dialog = d.wait_for("Print");
    if (!dialog) return;
    if (printers) {
      had_cancel = GetDlgItem(dialog, IDCANCEL) != nullptr;
      d.press(dialog, IDCANCEL);
    } else {
      notice = DialogDriver::text_of(GetDlgItem(dialog, 0xFFFF)); // "... install a printer ..."
      d.press(dialog, IDOK);
    }
    d.wait_gone(dialog);
  });
  EXPECT_EQ(cmd(38, num(500)), 0);
  EXPECT_TRUE(driver.finish()) << driver.failure();
  if (printers)
    EXPECT_TRUE(had_cancel) << "the print dialog was shown and cancelled";
  else
    EXPECT_FALSE(notice.empty()) << "no printer: the system's notice was shown";
  EXPECT_EQ(renders.count(), 0);
}

TEST_F(RichPrint, TextThatFitsPrintsOnePage) {
  set_text("one short paragraph");
  ScreenDevice device;
  RenderCount renders(control);
  EXPECT_EQ(richedit_print_pages(control, device.dc, 770), 1);
  EXPECT_EQ(renders.count(), 1);
}

// Pages that take no characters: margins as large as the page, and Wine's
// rich edit, whose EM_FORMATRANGE lays out nothing and always answers the
// page's first index.
TEST_F(RichPrint, PagesThatTakeNoCharactersEndTheLoop) {
  std::string text;
  for (int i = 0; i < 400; ++i) text += "line " + std::to_string(i) + "\r\n";
  set_text(text);
  ScreenDevice device;
  for (int32_t margin : {770, device.page_twips() / 2, device.page_twips(), 3 * device.page_twips()}) {
    RenderCount renders(control);
    int32_t pages = richedit_print_pages(control, device.dc, margin);
    EXPECT_GE(pages, 1) << margin;
    EXPECT_LE(pages, 60) << margin << ": a page that takes nothing must not repeat";
    EXPECT_EQ(renders.count(), pages) << margin;
  }
}
