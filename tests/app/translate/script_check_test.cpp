#include <gtest/gtest.h>

#include <string>

#include "app/translate/translate.h"
#include "tests/support/temp_text.h"

using ScriptCheck = HeapTest;

TEST_F(ScriptCheck, ListsEachKindOfProblemAtItsLineAndNothingElse) {
  const char* script = "def a,1\r\n"                // 1: a statement outside @SCRIPT
                       "static msg,Hi\r\n"          // 2: fine
                       "button greet,Go\r\n"        // 3: fine, greet is defined below
                       "button nowhere,Go\r\n"      // 4: calls a function nobody defines
                       "textbox\tname\r\n"          // 5: not a command (a tab does not end it)
                       "@script\r\n"                // 6
                       "function greet() {\r\n"     // 7
                       "  inputstr name,who\r\n"    // 8: fine
                       "  update msg who\r\n"       // 9: no comma
                       "  textbox name\r\n"         // 10: an element inside @SCRIPT
                       "  write \"x\"\r\n"          // 11: fine
                       "}\r\n"                      // 12
                       "@html\r\n"                  // 13
                       "ALERT \"late\"\r\n"         // 14: a statement outside, any case
                       "@SCRIPT\r\n"                // 15: never closed
                       "rand dice";                 // 16: no comma
  EXPECT_EQ(script_check(script), "Line 1: DEF gives a script statement, but the line is outside @SCRIPT\r\n"
                                  "Line 4: BUTTON calls nowhere(), which no line of the script defines\r\n"
                                  "Line 9: UPDATE needs a comma between its two parts\r\n"
                                  "Line 10: TEXTBOX gives a page element, but the line is inside @SCRIPT\r\n"
                                  "Line 14: ALERT gives a script statement, but the line is outside @SCRIPT\r\n"
                                  "Line 15: @SCRIPT is never closed by @HTML\r\n"
                                  "Line 16: RAND needs a comma between its two parts");
}

TEST_F(ScriptCheck, FunctionsDefinedInAnyUsualWayAndCleanScriptsPass) {
  const char* clean[] = {
      "",
      "<p>no commands</p>",
      "button a,A\r\nbutton b,B\r\nbutton c,C\r\nbutton d,D\r\n@script\r\nfunction a() {}\r\n"
      "var b = function() {}\r\nc=() => 1\r\ndef d,function(){}\r\n@html",
      "button go ,Go\r\n@script\r\nfunction  go (x) { }\r\n@html", // blanks around the name
      "button alert('hi');x,Odd\r\n",                              // not a plain name: not checked
  };
  for (const char* script : clean) EXPECT_EQ(script_check(script), "") << script;
  EXPECT_NE(script_check("button go,Go\r\n@script\r\nfunction gone() {}\r\nif (go == 1) x()\r\n@html"), "")
      << "a longer name or a comparison does not define go";
}
