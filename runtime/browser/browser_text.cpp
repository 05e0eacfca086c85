// Texts between the control (UTF-16 strings) and the runtime (ANSI in the
// system code page).
#include <cstdlib>
#include <cstring>

#include "runtime/browser/browser_internal.h"

char* bstr_to_ansi(BSTR text) {
  int length = text ? static_cast<int>(sys_string_len(text)) : 0;
  // A character may take more than one byte in a multi-byte code page.
  int bytes = length ? WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr) : 0;
  char* ansi = static_cast<char*>(std::calloc(static_cast<size_t>(bytes) + 2, 1));
  if (ansi && bytes) {
    int written = WideCharToMultiByte(CP_ACP, 0, text, length, ansi, bytes, nullptr, nullptr);
    ansi[written > 0 ? written : 0] = '\0';
  }
  return ansi;
}

BSTR ansi_to_bstr(const char* text) {
  if (!text) return nullptr;
  int chars = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  if (chars <= 0) return nullptr;
  WCHAR* wide = static_cast<WCHAR*>(GlobalAlloc(GMEM_FIXED, static_cast<SIZE_T>(chars) * sizeof(WCHAR)));
  if (!wide) return nullptr;
  BSTR result = nullptr;
  if (MultiByteToWideChar(CP_ACP, 0, text, -1, wide, chars) > 0) result = sys_alloc_string(wide);
  GlobalFree(wide);
  return result;
}

void copy_text_cut(char* buffer, int32_t size, const char* text) {
  if (!buffer || size < 1) return;
  size_t length = text ? std::strlen(text) : 0;
  if (length >= static_cast<size_t>(size)) length = static_cast<size_t>(size) - 1;
  if (length) std::memcpy(buffer, text, length);
  buffer[length] = '\0';
}
