// Started by the out-of-memory test: asks for a text when the heap cannot
// give one, which must stop the program in order.
#include <windows.h>

#include "runtime/core/core.h"

int main() {
  heap_start();
  heap_stop(); // from here on every allocation fails
  char* t = text_dup("never written");
  t[0] = 'x'; // not reached: text_dup stops the program first
  return 0;
}
