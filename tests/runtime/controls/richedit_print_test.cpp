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
} // namespace

using RichPrint = CommandTest;

// Pages that take no characters: margins as large as the page, and Wine's EM_FORMATRANGE stub.
TEST_F(RichPrint, ThePageLoopEndsWhenTheTextIsDoneOrAPageTakesNoCharacters) {
  ASSERT_NE(LoadLibraryA("riched32.dll"), nullptr); // kept for the test program's life, as the runtime keeps it
  make("RichEdit", FIELD_STYLE);
  SendMessageA(control, EM_EXLIMITTEXT, 0, 1 << 20);
  g_original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&counting_proc)));
  // A device like the screen to lay pages out on, in place of a printer; the smaller side of its page in twips.
  HDC device = CreateCompatibleDC(nullptr);
  int across = GetDeviceCaps(device, HORZRES) / GetDeviceCaps(device, LOGPIXELSX);
  int down = GetDeviceCaps(device, VERTRES) / GetDeviceCaps(device, LOGPIXELSY);
  const int32_t page = (across < down ? across : down) * 1440;
  std::string text;
  for (int i = 0; i < 400; ++i) text += "line " + std::to_string(i) + "\r\n";
  set_text(text);
  for (int32_t margin : {770, page, 3 * page}) {
    g_rendered = 0;
    int32_t pages = richedit_print_pages(control, device, margin);
    EXPECT_GE(pages, 1) << margin;
    EXPECT_LE(pages, 60) << margin << ": a page that takes nothing must not repeat";
    EXPECT_EQ(g_rendered, pages) << margin;
  }
  DeleteDC(device);
}
