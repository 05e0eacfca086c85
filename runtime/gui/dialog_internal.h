// State shared between the dialog files of the runtime (not for programs).
#pragma once

#include "runtime/gui/dialog_records.h"
#include "runtime/gui/gui.h"

// Window property of a running dialog: the address of its Window record.
extern const char* const DLG_RECORD_PROPERTY; // "DLGPTR"

// The record whose dialog dlg_modal or dlg_show is starting, until the
// dialog procedure takes it at WM_INITDIALOG.
extern Window* g_starting_dialog;

// Registers "CorvatineDlgClass" once and hands its atom to the message loop.
void dlg_register_class();

// The dialog procedure of every runtime dialog.
INT_PTR CALLBACK dlg_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// True when the record was set up by dlg_create and still has its template.
inline bool dlg_described(const Window* record) { return record->is_dialog == 1 && record->dialog; }

// The system's in-memory dialog template for a description, in one
// zero-filled block (block_alloc) that the caller frees with block_free; null
// when no block could be had. *size (when given) receives its size in bytes.
void* dlg_template_build(const DialogTemplate* dialog, uint32_t* size);
