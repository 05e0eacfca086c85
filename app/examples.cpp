// The example scripts: small whole pages, each showing some of the macro
// commands at work. Check Script finds no problem in any of them.
#include "app/examples.h"

#include "app/menu_ids.h"

#define HEAD(title)                                                                                                    \
  "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"UTF-8\">\r\n<title>" title "</title>\r\n</head>\r\n<body>\r\n" \
  "<h1>" title "</h1>\r\n"
#define TAIL "</body>\r\n</html>"

const Example EXAMPLES[] = {
    {"Greeting", HEAD("Greeting")                          //
     "<p>Type your name and press the button.</p>\r\n"    //
     "textbox name\r\n"                                   //
     "button greet,Say hello\r\n"                         //
     "static msg,\r\n"                                    //
     "@script\r\n"                                        //
     "function greet() {\r\n"                             //
     "   inputstr name,who\r\n"                           //
     "   update msg,\"Hello, \" + who + \"!\"\r\n"        //
     "}\r\n"                                              //
     "@html\r\n" TAIL},
    {"Dice Roll", HEAD("Dice Roll")                        //
     "button roll,Roll the dice\r\n"                      //
     "static dice,Press the button to roll.\r\n"          //
     "@script\r\n"                                        //
     "function roll() {\r\n"                              //
     "   rand face,6\r\n"                                 //
     "   face = face + 1\r\n"                             //
     "   update dice,\"You rolled a \" + face + \".\"\r\n" //
     "}\r\n"                                              //
     "@html\r\n" TAIL},
    {"Counter", HEAD("Counter")                            //
     "static count,0\r\n"                                 //
     "button countUp,Add one\r\n"                         //
     "button countReset,Start again\r\n"                  //
     "@script\r\n"                                        //
     "def total,0\r\n"                                    //
     "function countUp() {\r\n"                           //
     "   total = total + 1\r\n"                           //
     "   update count,total\r\n"                          //
     "}\r\n"                                              //
     "function countReset() {\r\n"                        //
     "   total = 0\r\n"                                   //
     "   update count,total\r\n"                          //
     "}\r\n"                                              //
     "@html\r\n" TAIL},
    {"Quiz", HEAD("Quiz")                                  //
     "<p>What is 6 times 7?</p>\r\n"                      //
     "textbox answer\r\n"                                 //
     "button check,Check\r\n"                             //
     "static result,\r\n"                                 //
     "@script\r\n"                                        //
     "function check() {\r\n"                             //
     "   inputint answer,guess\r\n"                       //
     "   if (guess == 42) {\r\n"                          //
     "      update result,\"Right! 6 times 7 is 42.\"\r\n" //
     "   } else {\r\n"                                    //
     "      update result,\"Not quite. Try again.\"\r\n"  //
     "   }\r\n"                                           //
     "}\r\n"                                              //
     "@html\r\n" TAIL},
    {"Times Table", HEAD("Times Table")                                //
     "@script\r\n"                                                    //
     "def n,7\r\n"                                                    //
     "for (i = 1; i <= 10; i++) {\r\n"                                //
     "   write i + \" x \" + n + \" = \" + i * n + \"<br>\"\r\n"      //
     "}\r\n"                                                          //
     "@html\r\n" TAIL},
};
const int32_t EXAMPLE_COUNT = sizeof EXAMPLES / sizeof EXAMPLES[0];

const Example* example_of(int32_t menu_id) {
  int32_t index = menu_id - MENU_EXAMPLE_FIRST;
  return index >= 0 && index < EXAMPLE_COUNT ? &EXAMPLES[index] : nullptr;
}
