// Printing a real rich-edit control: the page loop ends.
#include "runtime/controls/richedit_api.h"
#include "runtime/controls/richedit_print.h"
#include "tests/runtime/controls/control_test_support.h"

namespace {
// Counts the pages the control is asked to render; the control's own procedure does the work. Past 100
// pages it says the text is done, so that a loop that never ends fails the test instead of hanging it.
WNDPROC g_original = nullptr;
int g_rendered = 0;
LRESULT CALLBACK counting_proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == EM_FORMATRANGE && wp != 0 && ++g_rendered > 100) return 1 << 30;
  return CallWindowProcA(g_original, w, m, wp, lp);
}

// A device like the screen to lay pages out on, in place of a printer.
struct ScreenDevice {
  HDC dc = CreateCompatibleDC(nullptr);
  ~ScreenDevice() { DeleteDC(dc); }
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
    g_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&counting_proc)));
    g_rendered = 0;
  }
};
} // namespace

// Pages that take no characters: margins as large as the page, and Wine's EM_FORMATRANGE stub.
TEST_F(RichPrint, ThePageLoopEndsWhenTheTextIsDoneOrAPageTakesNoCharacters) {
  ScreenDevice device;
  std::string text;
  for (int i = 0; i < 400; ++i) text += "line " + std::to_string(i) + "\r\n";
  set_text(text);
  for (int32_t margin : {770, device.page_twips(), 3 * device.page_twips()}) {
    g_rendered = 0;
    int32_t pages = richedit_print_pages(control, device.dc, margin);
    EXPECT_GE(pages, 1) << margin;
    EXPECT_LE(pages, 60) << margin << ": a page that takes nothing must not repeat";
    EXPECT_EQ(g_rendered, pages) << margin;
  }
}
