// The storage handed to OleCreate: the control keeps nothing, so every
// request is refused except recording its class.
#include "runtime/browser/browser_internal.h"
#include "runtime/browser/com_table.h"

namespace {
struct StorageTable {
  UNKNOWN_SLOTS;
  SLOT(IStorage, CreateStream);
  SLOT(IStorage, OpenStream);
  SLOT(IStorage, CreateStorage);
  SLOT(IStorage, OpenStorage);
  SLOT(IStorage, CopyTo);
  SLOT(IStorage, MoveElementTo);
  SLOT(IStorage, Commit);
  SLOT(IStorage, Revert);
  SLOT(IStorage, EnumElements);
  SLOT(IStorage, DestroyElement);
  SLOT(IStorage, RenameElement);
  SLOT(IStorage, SetElementTimes);
  SLOT(IStorage, SetClass);
  SLOT(IStorage, SetStateBits);
  SLOT(IStorage, Stat);
};

const StorageTable storage_table = {
    not_implemented<REFIID, void**>,                                          // QueryInterface
    fixed_count,
    fixed_count,
    not_implemented<LPCOLESTR, DWORD, DWORD, DWORD, IStream**>,               // CreateStream
    not_implemented<LPCOLESTR, void*, DWORD, DWORD, IStream**>,               // OpenStream
    not_implemented<LPCOLESTR, DWORD, DWORD, DWORD, IStorage**>,              // CreateStorage
    not_implemented<LPCOLESTR, IStorage*, DWORD, SNB, DWORD, IStorage**>,     // OpenStorage
    not_implemented<DWORD, const IID*, SNB, IStorage*>,                       // CopyTo
    not_implemented<LPCOLESTR, IStorage*, LPCOLESTR, DWORD>,                  // MoveElementTo
    not_implemented<DWORD>,                                                   // Commit
    not_implemented<>,                                                        // Revert
    not_implemented<DWORD, void*, DWORD, IEnumSTATSTG**>,                     // EnumElements
    not_implemented<LPCOLESTR>,                                               // DestroyElement
    not_implemented<LPCOLESTR, LPCOLESTR>,                                    // RenameElement
    not_implemented<LPCOLESTR, const FILETIME*, const FILETIME*, const FILETIME*>, // SetElementTimes
    answer<S_OK, REFCLSID>,                                                   // SetClass
    not_implemented<DWORD, DWORD>,                                            // SetStateBits
    not_implemented<STATSTG*, DWORD>,                                         // Stat
};

// One field: the method table.
struct DummyStorage {
  const StorageTable* table;
};

DummyStorage storage = {&storage_table};
} // namespace

IStorage* dummy_storage() { return reinterpret_cast<IStorage*>(&storage); }
