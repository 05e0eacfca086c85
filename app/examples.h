// The example scripts built into the program (Help > Examples).
#pragma once

#include <cstdint>

struct Example {
  const char* title; // the menu item's text
  const char* script; // lines ending in carriage return and line feed
};

extern const Example EXAMPLES[];
extern const int32_t EXAMPLE_COUNT;

// The example of a Help > Examples menu id, or null for any other id.
const Example* example_of(int32_t menu_id);
