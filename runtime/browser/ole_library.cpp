// The OLE and Automation functions the browser uses, from their libraries
// loaded at the first call (system_function).
#include <utility>

#include "runtime/browser/browser_internal.h"
#include "runtime/core/core.h"

namespace {
const char* const OLE32 = "ole32.dll";
const char* const OLEAUT32 = "oleaut32.dll";

// The library's function of that name called with args; failed when the
// library or the function is missing.
template <typename Function, typename... Args>
auto call(const char* library, const char* name, decltype(std::declval<Function>()(std::declval<Args>()...)) failed,
          Args... args) {
  auto function = system_function<Function>(library, name);
  return function ? function(args...) : failed;
}

template <typename Function, typename... Args> void call_void(const char* library, const char* name, Args... args) {
  if (auto function = system_function<Function>(library, name)) function(args...);
}
} // namespace

HRESULT ole_initialize() { return call<decltype(&OleInitialize)>(OLE32, "OleInitialize", E_FAIL, nullptr); }
void ole_uninitialize() { call_void<decltype(&OleUninitialize)>(OLE32, "OleUninitialize"); }
HRESULT ole_create(REFCLSID clsid, REFIID iid, DWORD render, FORMATETC* format, IOleClientSite* site,
                   IStorage* storage, void** object) {
  return call<decltype(&OleCreate)>(OLE32, "OleCreate", E_FAIL, clsid, iid, render, format, site, storage, object);
}
HRESULT ole_set_contained_object(IUnknown* object, BOOL contained) {
  return call<decltype(&OleSetContainedObject)>(OLE32, "OleSetContainedObject", E_FAIL, object, contained);
}

BSTR sys_alloc_string(const OLECHAR* text) {
  return call<decltype(&SysAllocString)>(OLEAUT32, "SysAllocString", nullptr, text);
}
void sys_free_string(BSTR text) { call_void<decltype(&SysFreeString)>(OLEAUT32, "SysFreeString", text); }
UINT sys_string_len(BSTR text) { return call<decltype(&SysStringLen)>(OLEAUT32, "SysStringLen", 0, text); }

void variant_init(VARIANT* v) { call_void<decltype(&VariantInit)>(OLEAUT32, "VariantInit", v); }
HRESULT variant_clear(VARIANT* v) { return call<decltype(&VariantClear)>(OLEAUT32, "VariantClear", E_FAIL, v); }
HRESULT variant_change_type(VARIANT* to, const VARIANT* from, USHORT flags, VARTYPE type) {
  return call<decltype(&VariantChangeType)>(OLEAUT32, "VariantChangeType", E_FAIL, to, const_cast<VARIANT*>(from),
                                            flags, type);
}

SAFEARRAY* safe_array_create_vector(VARTYPE type, LONG lower, ULONG count) {
  return call<decltype(&SafeArrayCreateVector)>(OLEAUT32, "SafeArrayCreateVector", nullptr, type, lower, count);
}
HRESULT safe_array_access_data(SAFEARRAY* array, void** data) {
  return call<decltype(&SafeArrayAccessData)>(OLEAUT32, "SafeArrayAccessData", E_FAIL, array, data);
}
HRESULT safe_array_unaccess_data(SAFEARRAY* array) {
  return call<decltype(&SafeArrayUnaccessData)>(OLEAUT32, "SafeArrayUnaccessData", E_FAIL, array);
}
HRESULT safe_array_destroy(SAFEARRAY* array) {
  return call<decltype(&SafeArrayDestroy)>(OLEAUT32, "SafeArrayDestroy", E_FAIL, array);
}
UINT safe_array_get_dim(SAFEARRAY* array) {
  return call<decltype(&SafeArrayGetDim)>(OLEAUT32, "SafeArrayGetDim", 0, array);
}
HRESULT safe_array_get_lbound(SAFEARRAY* array, UINT dimension, LONG* bound) {
  return call<decltype(&SafeArrayGetLBound)>(OLEAUT32, "SafeArrayGetLBound", E_FAIL, array, dimension, bound);
}
HRESULT safe_array_get_ubound(SAFEARRAY* array, UINT dimension, LONG* bound) {
  return call<decltype(&SafeArrayGetUBound)>(OLEAUT32, "SafeArrayGetUBound", E_FAIL, array, dimension, bound);
}
UINT safe_array_get_elemsize(SAFEARRAY* array) {
  return call<decltype(&SafeArrayGetElemsize)>(OLEAUT32, "SafeArrayGetElemsize", 0, array);
}
