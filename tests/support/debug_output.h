// Captures what this process writes with OutputDebugStringA. The system
// raises DBG_PRINTEXCEPTION_C for each such write; a vectored handler sees it
// before the debugger would and lets it go on.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DebugOutputCapture {
public:
  DebugOutputCapture() { handler_ = AddVectoredExceptionHandler(1, &DebugOutputCapture::on_exception); }
  ~DebugOutputCapture() {
    RemoveVectoredExceptionHandler(handler_);
    lines().clear();
  }
  DebugOutputCapture(const DebugOutputCapture&) = delete;
  DebugOutputCapture& operator=(const DebugOutputCapture&) = delete;

  const std::vector<std::string>& messages() const { return lines(); }

private:
  static std::vector<std::string>& lines() {
    static std::vector<std::string> all;
    return all;
  }
  static LONG CALLBACK on_exception(EXCEPTION_POINTERS* info) {
    const EXCEPTION_RECORD* r = info->ExceptionRecord;
    if (r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2)
      lines().emplace_back(reinterpret_cast<const char*>(r->ExceptionInformation[1]));
    return EXCEPTION_CONTINUE_SEARCH;
  }
  void* handler_;
};
