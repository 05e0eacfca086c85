// How the runtime's own operations size their heap blocks; not part of the
// runtime's public interface.
#pragma once

#include <cstdint>

// The size to ask of heap_alloc for a text of length bytes and its
// terminator. A length summed or grown in 64 bits comes through here before
// it becomes a block size: when no block of the heap can be that large the
// answer is -1, which heap_alloc refuses, so that heap_alloc_or_stop stops
// the program in order instead of handing back a block too small for the
// text.
int32_t heap_text_size(int64_t length);
