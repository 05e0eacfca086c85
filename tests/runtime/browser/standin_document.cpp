// The stand-in's page: an IHTMLDocument2 whose write and close are
// recorded ("write <text>", "close").
#include "tests/runtime/browser/standin.h"

namespace {
int g_documents = 0;

// The texts of a one-dimensional VT_VARIANT array with lower bound 0, as
// document.write is given them; "irregular" for anything else.
std::string array_text(SAFEARRAY* array) {
  VARTYPE type = VT_EMPTY;
  LONG lower = -1, upper = -1;
  if (!array || SafeArrayGetDim(array) != 1 || FAILED(SafeArrayGetVartype(array, &type)) || type != VT_VARIANT ||
      FAILED(SafeArrayGetLBound(array, 1, &lower)) || lower != 0 || FAILED(SafeArrayGetUBound(array, 1, &upper)))
    return "irregular";
  std::string text;
  for (LONG i = lower; i <= upper; ++i) {
    VARIANT element;
    VariantInit(&element);
    if (FAILED(SafeArrayGetElement(array, &i, &element))) return "irregular";
    if (V_VT(&element) != VT_BSTR) text += "(not a string)";
    else if (V_BSTR(&element)) text += standin::narrow(V_BSTR(&element));
    VariantClear(&element);
  }
  return text;
}

class Document final : public IHTMLDocument2 {
public:
  Document() { ++g_documents; }
  ~Document() { --g_documents; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IHTMLDocument) ||
        IsEqualIID(iid, IID_IHTMLDocument2)) {
      *out = static_cast<IHTMLDocument2*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG n = --refs_;
    if (n == 0) delete this;
    return n;
  }
  HRESULT STDMETHODCALLTYPE write(SAFEARRAY* lines) override {
    standin::record("write " + array_text(lines));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE close() override {
    standin::record("close");
    return S_OK;
  }
  STANDIN_HTML_DOCUMENT_UNUSED

private:
  LONG refs_ = 1;
};
} // namespace

IDispatch* standin::new_document() { return new Document(); }
int standin::documents() { return g_documents; }
