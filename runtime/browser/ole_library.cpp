// The OLE and Automation functions the browser uses, from their libraries
// loaded at the first call (system_function).
#include "runtime/browser/browser_internal.h"
#include "runtime/core/core.h"

namespace {
template <typename Function> Function ole32(const char* name) { return system_function<Function>("ole32.dll", name); }
template <typename Function> Function oleaut32(const char* name) {
  return system_function<Function>("oleaut32.dll", name);
}
} // namespace

HRESULT ole_initialize() {
  auto f = ole32<decltype(&OleInitialize)>("OleInitialize");
  return f ? f(nullptr) : E_FAIL;
}

void ole_uninitialize() {
  if (auto f = ole32<decltype(&OleUninitialize)>("OleUninitialize")) f();
}

HRESULT ole_create(REFCLSID clsid, REFIID iid, DWORD render, FORMATETC* format, IOleClientSite* site,
                   IStorage* storage, void** object) {
  auto f = ole32<decltype(&OleCreate)>("OleCreate");
  return f ? f(clsid, iid, render, format, site, storage, object) : E_FAIL;
}

HRESULT ole_set_contained_object(IUnknown* object, BOOL contained) {
  auto f = ole32<decltype(&OleSetContainedObject)>("OleSetContainedObject");
  return f ? f(object, contained) : E_FAIL;
}

BSTR sys_alloc_string(const OLECHAR* text) {
  auto f = oleaut32<decltype(&SysAllocString)>("SysAllocString");
  return f ? f(text) : nullptr;
}

void sys_free_string(BSTR text) {
  if (auto f = oleaut32<decltype(&SysFreeString)>("SysFreeString")) f(text);
}

UINT sys_string_len(BSTR text) {
  auto f = oleaut32<decltype(&SysStringLen)>("SysStringLen");
  return f ? f(text) : 0;
}

void variant_init(VARIANT* v) {
  if (auto f = oleaut32<decltype(&VariantInit)>("VariantInit")) f(v);
}

HRESULT variant_clear(VARIANT* v) {
  auto f = oleaut32<decltype(&VariantClear)>("VariantClear");
  return f ? f(v) : E_FAIL;
}

HRESULT variant_change_type(VARIANT* to, const VARIANT* from, USHORT flags, VARTYPE type) {
  auto f = oleaut32<decltype(&VariantChangeType)>("VariantChangeType");
  return f ? f(to, const_cast<VARIANT*>(from), flags, type) : E_FAIL;
}

SAFEARRAY* safe_array_create_vector(VARTYPE type, LONG lower, ULONG count) {
  auto f = oleaut32<decltype(&SafeArrayCreateVector)>("SafeArrayCreateVector");
  return f ? f(type, lower, count) : nullptr;
}

HRESULT safe_array_access_data(SAFEARRAY* array, void** data) {
  auto f = oleaut32<decltype(&SafeArrayAccessData)>("SafeArrayAccessData");
  return f ? f(array, data) : E_FAIL;
}

HRESULT safe_array_unaccess_data(SAFEARRAY* array) {
  auto f = oleaut32<decltype(&SafeArrayUnaccessData)>("SafeArrayUnaccessData");
  return f ? f(array) : E_FAIL;
}

HRESULT safe_array_destroy(SAFEARRAY* array) {
  auto f = oleaut32<decltype(&SafeArrayDestroy)>("SafeArrayDestroy");
  return f ? f(array) : E_FAIL;
}

UINT safe_array_get_dim(SAFEARRAY* array) {
  auto f = oleaut32<decltype(&SafeArrayGetDim)>("SafeArrayGetDim");
  return f ? f(array) : 0;
}

HRESULT safe_array_get_lbound(SAFEARRAY* array, UINT dimension, LONG* bound) {
  auto f = oleaut32<decltype(&SafeArrayGetLBound)>("SafeArrayGetLBound");
  return f ? f(array, dimension, bound) : E_FAIL;
}

HRESULT safe_array_get_ubound(SAFEARRAY* array, UINT dimension, LONG* bound) {
  auto f = oleaut32<decltype(&SafeArrayGetUBound)>("SafeArrayGetUBound");
  return f ? f(array, dimension, bound) : E_FAIL;
}

UINT safe_array_get_elemsize(SAFEARRAY* array) {
  auto f = oleaut32<decltype(&SafeArrayGetElemsize)>("SafeArrayGetElemsize");
  return f ? f(array) : 0;
}
