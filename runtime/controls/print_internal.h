// Helpers of the printer output, shared with its tests; not part of the
// runtime's public interface.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include <cstdint>

#include "runtime/core/core.h"

// The system's print dialog (PrintDlgA), its library loaded with the first
// dialog; FALSE when the library is missing.
BOOL print_dialog_show(PRINTDLGA* dialog);

// True when the program runs under Wine rather than Windows.
bool print_under_wine();

// The data type to hand the spooler for the one the program asked for.
// Wine's print processor accepts a "TEXT" job and then drops it, so under
// Wine the same bytes go as "RAW", which reaches the printer unchanged;
// Windows gets the requested type as it is. Null stays null.
const char* print_spool_data_type(const char* requested, bool under_wine);

// Printer drivers loaded by a print dialog may leave the x87 control word
// changed behind it: back to every exception masked, 64-bit precision,
// rounding to nearest. On x86-64, where doubles are computed with SSE, its
// control register goes back to the same (every exception masked, round to
// nearest).
inline void print_reset_fpu() {
  unsigned short word = 0x033F;
  __asm__ __volatile__("fldcw %0" : : "m"(word));
#if defined(__x86_64__)
  unsigned int sse_word = 0x1F80;
  __asm__ __volatile__("ldmxcsr %0" : : "m"(sse_word));
#endif
}

// The number a numeric typed argument holds. False when the argument has
// none: a 64-bit value passed by value (it does not fit a 32-bit slot), or
// an address of zero.
inline bool print_value_number(ValueSlot slot, uint32_t type_word, double* x) {
  if (value_element_size(value_code(type_word)) == 8 && !value_byref(type_word)) return false;
  return value_as_real(slot, type_word, x);
}
