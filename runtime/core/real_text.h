// Reals as texts through the system C runtime's printf, shared by the
// runtime's number texts and its text output. Internal to the runtime.
#pragma once

// Count of decimals that number texts give real numbers.
constexpr int NUM_PRECISION = 2;

// Formats x with a printf format that holds one real conversion taking its
// precision from the argument list ("%.*f", "% .*f", ...), with
// NUM_PRECISION decimals. Writes at most size - 1 bytes and always the
// terminator (size > 0); returns the length written.
int real_to_text(char* out, int size, const char* format, double x);
