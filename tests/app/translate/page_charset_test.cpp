#include <gtest/gtest.h>

#include <string>

#include "app/translate/translate.h"
#include "runtime/core/core.h"
#include "tests/support/temp_text.h"

TEST(PageCharset, AMetaLineDeclaresTheEncodingInEitherForm) {
  struct Row { const char* line; PageCharset want; } rows[] = {
      {"<meta charset=\"UTF-8\">", PageCharset::utf8},
      {"  <META CHARSET = 'utf-8' />", PageCharset::utf8},
      {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">", PageCharset::utf8},
      {"<meta charset=\"windows-1252\">", PageCharset::other},
      {"<meta charset=\"utf-16\">", PageCharset::other},
      {"<p>charset=utf-8</p>", PageCharset::none},
      {"<meta name=\"author\" content=\"\">", PageCharset::none},
      {"<meta charset>", PageCharset::none},
  };
  for (const Row& r : rows) EXPECT_EQ(page_charset_of_line(r.line), r.want) << r.line;
}

using TextUtf8 = HeapTest;

TEST_F(TextUtf8, TheSystemCodePageBecomesUtf8AndAsciiStaysAsItIs) {
  EXPECT_EQ(take(text_to_utf8("plain <b>ASCII</b>")), "plain <b>ASCII</b>");
  EXPECT_EQ(take(text_to_utf8("")), "");
  // Under the test prefix the system code page is 1252: e9 is e-acute, ef i-diaeresis.
  ASSERT_EQ(GetACP(), 1252u);
  EXPECT_EQ(take(text_to_utf8("caf\xe9 na\xefve")), "caf\xc3\xa9 na\xc3\xafve");
}
