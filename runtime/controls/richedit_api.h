// The rich-edit declarations, for files that also use the runtime's typed
// arguments. richedit.h brings in the OLE type names, whose VT_BYREF would
// clash with the runtime's by-reference bit of the same name: theirs is
// read under another name. Include this before any other header that could
// bring in the OLE types.
#pragma once

#include <windows.h>

#define VT_BYREF OLE_VT_BYREF
#include <richedit.h>
#undef VT_BYREF

#include <commdlg.h> // FR_MATCHCASE
