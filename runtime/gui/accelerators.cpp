// Keyboard accelerators: one table per window, kept in a window property.
#include "runtime/core/core.h"
#include "runtime/gui/gui.h"

const char* const ACCEL_PROPERTY = "_ACCEL_TABLE";

int accel_add(Window* record, uint8_t flags, uint16_t key, uint16_t command_id) {
  if (!record->handle) return 0; // a closed record has no window to hold a table
  ACCEL entry{flags, key, command_id};
  HACCEL old = static_cast<HACCEL>(GetPropA(record->handle, ACCEL_PROPERTY));
  if (!old) {
    if (HACCEL table = CreateAcceleratorTableA(&entry, 1)) SetPropA(record->handle, ACCEL_PROPERTY, table);
    return 0;
  }
  int n = CopyAcceleratorTableA(old, nullptr, 0);
  ACCEL* entries = static_cast<ACCEL*>(block_alloc(VT_BYTE, static_cast<uint32_t>((n + 1) * sizeof(ACCEL))));
  if (!entries) return 0;
  CopyAcceleratorTableA(old, entries, n);
  entries[n] = entry;
  if (HACCEL table = CreateAcceleratorTableA(entries, n + 1)) {
    RemovePropA(record->handle, ACCEL_PROPERTY);
    DestroyAcceleratorTable(old);
    SetPropA(record->handle, ACCEL_PROPERTY, table);
  }
  block_free(entries);
  return 0;
}
