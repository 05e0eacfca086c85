// The stand-in's page: an IHTMLDocument2 whose write and close are recorded ("write <text>", "close").
// The C form of the interface lets the methods the host never calls stay null.
#define CINTERFACE
#include <windows.h>

#include <mshtml.h>

#include "tests/runtime/browser/standin_record.h"

namespace {
int g_documents = 0;

struct Document {
  IHTMLDocument2 face;
  LONG refs;
};

// The texts of a VT_VARIANT array from index 0, as document.write is given them.
std::string array_text(SAFEARRAY* array) {
  VARTYPE type = VT_EMPTY;
  if (!array || FAILED(SafeArrayGetVartype(array, &type)) || type != VT_VARIANT) return "irregular";
  std::string text;
  VARIANT element;
  VariantInit(&element);
  for (LONG i = 0; SUCCEEDED(SafeArrayGetElement(array, &i, &element)); ++i) {
    text += V_VT(&element) == VT_BSTR && V_BSTR(&element) ? standin::narrow(V_BSTR(&element)) : "(not a string)";
    VariantClear(&element);
  }
  return text;
}

ULONG STDMETHODCALLTYPE add_ref(IHTMLDocument2* self) { return ++reinterpret_cast<Document*>(self)->refs; }

ULONG STDMETHODCALLTYPE release(IHTMLDocument2* self) {
  Document* document = reinterpret_cast<Document*>(self);
  LONG n = --document->refs;
  if (n == 0) {
    delete document;
    --g_documents;
  }
  return n;
}

HRESULT STDMETHODCALLTYPE query_interface(IHTMLDocument2* self, REFIID iid, void** out) {
  *out = nullptr;
  if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IDispatch) && !IsEqualIID(iid, IID_IHTMLDocument) &&
      !IsEqualIID(iid, IID_IHTMLDocument2))
    return E_NOINTERFACE;
  *out = self;
  add_ref(self);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE document_write(IHTMLDocument2*, SAFEARRAY* lines) {
  standin::record("write " + array_text(lines));
  return S_OK;
}

HRESULT STDMETHODCALLTYPE document_close(IHTMLDocument2*) {
  standin::record("close");
  return S_OK;
}

IHTMLDocument2Vtbl make_table() {
  IHTMLDocument2Vtbl table{};
  table.QueryInterface = query_interface;
  table.AddRef = add_ref;
  table.Release = release;
  table.write = document_write;
  table.close = document_close;
  return table;
}
IHTMLDocument2Vtbl g_table = make_table();
} // namespace

void* standin::new_document() {
  ++g_documents;
  return new Document{{&g_table}, 1};
}

int standin::documents() { return g_documents; }
