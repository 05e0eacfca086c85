// Owners for GDI objects, memory DCs and saved DC states inside one function:
// each is deleted (or restored) exactly once, when its owner goes out of scope.
#pragma once

#include <windows.h>

template <typename Handle>
class GdiObject {
public:
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

private:
  Handle handle_;
};

// A memory DC compatible with another (with the screen when none is given).
class MemoryDC {
public:
  explicit MemoryDC(HDC like = nullptr) : dc_(CreateCompatibleDC(like)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC get() const { return dc_; }

private:
  HDC dc_;
};

// Saves a DC's state and restores it, with whatever was selected, at the end
// of the scope. Objects selected inside must outlive it: declare them first.
class SavedDC {
public:
  explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDC() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;

private:
  HDC dc_;
  int saved_;
};
