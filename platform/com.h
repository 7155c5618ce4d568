#pragma once

#include <objbase.h>
#include <ole2.h>
#include <wrl/client.h>

namespace tarvok {

using Microsoft::WRL::ComPtr;

// The thread's COM apartment for as long as the object lives (single-threaded, as the
// shell's objects want). A thread that has one already keeps it.
class ComApartment {
  public:
    ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_)) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    HRESULT result_;
};

// The thread's COM apartment with OLE on top of it, for as long as the object lives: drag and
// drop between programs (RegisterDragDrop) needs OLE, not just COM.
class OleApartment {
  public:
    OleApartment() : result_(OleInitialize(nullptr)) {}
    ~OleApartment() {
        if (SUCCEEDED(result_)) {
            OleUninitialize();
        }
    }
    OleApartment(const OleApartment&) = delete;
    OleApartment& operator=(const OleApartment&) = delete;

  private:
    HRESULT result_;
};

} // namespace tarvok
