#include <gtest/gtest.h>

#include <string>

#include "app/translate/translate.h"
#include "tests/support/temp_text.h"

namespace {
struct Row {
  const char* source;
  const char* page;
};

class TranslateLine : public HeapTest {
protected:
  int mode = 0;
  std::string tr(const char* line) { return take(translate_line(line, &mode)); }

  template <size_t N> void expect_rows(const Row (&rows)[N]) {
    for (size_t i = 0; i < N; ++i) EXPECT_EQ(tr(rows[i].source), rows[i].page) << "row " << i << ": " << rows[i].source;
  }
};
} // namespace

// The commands and argument forms beyond the worked example (that one is checked end to end, byte for byte).
TEST_F(TranslateLine, CommandWordsInAnyCaseWithAndWithoutTheirComma) {
  const Row rows[] = {
      {"PRINT x", "x"}, {"print", ""}, {"print  two  blanks ", " two  blanks"},
      {"WRITE \"a b\"", "document.write(\"a b\");"}, {"def x", "var =x;"},
      {"update a,b,c", "document.getElementById(\"a\").innerHTML=b,c;"},
      {"button go,Go, now", "<button onclick=\"go()\">Go, now</button>"},
      {"inputint age,n", "n=parseInt(document.getElementById(\"age\").value);"},
      {"textbox a,b", "<input type=\"text\" id=\"a,b\">"},
      {"\t  x = 1  \t", "x = 1"}, {"print\tx", "print\tx"}, // a tab does not end the keyword
      {"if (a) alert b", "if (a) alert b"},
  };
  expect_rows(rows);
  EXPECT_EQ(mode, 0);
}

TEST_F(TranslateLine, SectionMarkersSetScriptModeAndIgnoreTheRest) {
  EXPECT_EQ(tr("@SCRIPT language=js"), "<script>");
  EXPECT_EQ(mode, 1);
  EXPECT_EQ(tr("  @html  trailing"), "</script>");
  EXPECT_EQ(mode, 0);
}

TEST_F(TranslateLine, SemicolonRuleInScriptMode) {
  mode = 1;
  const Row rows[] = {
      {"x = 5;", "x = 5;;"},
      {"format = 1", "format = 1"},  // begins with "for"
      {"If (a = b)", "If (a = b);"}, // the prefix test has case
      {"x++", "x++"}, {"if (a == b) {", "if (a == b) {"},
      {"while (a == b)", "while (a == b)"}, // no ";" that would empty the loop
      {"whilst = 2", "whilst = 2;"},
      {"print x = 1", "x = 1"}, // commands expand the same way in both modes
  };
  expect_rows(rows);
  EXPECT_EQ(mode, 1);
}
