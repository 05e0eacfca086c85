// Counting the blocks in use on every heap of the process: global memory,
// the C runtime's and OLE's allocations alike. A leak of one block per
// cycle shows as growth over many cycles.
#pragma once

#include <windows.h>

// The blocks in use on one heap.
inline int busy_blocks(HANDLE heap) {
  bool locked = HeapLock(heap) != FALSE;
  PROCESS_HEAP_ENTRY entry{};
  int busy = 0;
  while (HeapWalk(heap, &entry))
    if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) ++busy;
  if (locked) HeapUnlock(heap);
  return busy;
}

inline int busy_blocks_all_heaps() {
  HANDLE heaps[256];
  DWORD n = GetProcessHeaps(256, heaps);
  int busy = 0;
  for (DWORD i = 0; i < n && i < 256; ++i) busy += busy_blocks(heaps[i]);
  return busy;
}
