// Method tables for COM interfaces written as plain records of functions.
//
// A table is a struct of function pointers in the interface's slot order;
// SLOT gives each member the type of the interface method it stands for
// (the object pointer first, then the method's own arguments, stdcall), so
// the compiler checks every function put into a table against the
// interface's declaration.
#pragma once

#include <ole2.h>

template <typename Method>
struct SlotOf;
template <typename Interface, typename Result, typename... Args>
struct SlotOf<Result (STDMETHODCALLTYPE Interface::*)(Args...)> {
  using type = Result(STDMETHODCALLTYPE*)(void* self, Args...);
};

#define SLOT(Interface, Method) SlotOf<decltype(&Interface::Method)>::type Method

// The three IUnknown slots (QueryInterface is overloaded in the headers).
#define UNKNOWN_SLOTS                                                        \
  HRESULT(STDMETHODCALLTYPE* QueryInterface)(void* self, REFIID iid, void** out); \
  ULONG(STDMETHODCALLTYPE* AddRef)(void* self);                              \
  ULONG(STDMETHODCALLTYPE* Release)(void* self)

// A method that answers with a fixed result.
template <HRESULT Result, typename... Args>
HRESULT STDMETHODCALLTYPE answer(void*, Args...) {
  return Result;
}

template <typename... Args>
HRESULT STDMETHODCALLTYPE not_implemented(void*, Args...) {
  return E_NOTIMPL;
}

// AddRef and Release of an object without a reference count.
inline ULONG STDMETHODCALLTYPE fixed_count(void*) { return 1; }
