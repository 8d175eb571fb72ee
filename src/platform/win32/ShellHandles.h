#pragma once
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <memory>

namespace vx::win32 {

// An item identifier list from the shell, given back to the COM allocator.
struct IdListDeleter {
    void operator()(ITEMIDLIST* list) const noexcept { CoTaskMemFree(list); }
};
using UniqueIdList = std::unique_ptr<ITEMIDLIST, IdListDeleter>;

// One reference to a COM object, released once; movable, never copied.
template <typename T> class ComRef {
  public:
    ComRef() = default;
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    ComRef(ComRef&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    ComRef& operator=(ComRef&& other) noexcept {
        if (this != &other) {
            reset();
            p_ = other.p_;
            other.p_ = nullptr;
        }
        return *this;
    }
    ~ComRef() { reset(); }

    void reset() noexcept {
        if (p_)
            p_->Release();
        p_ = nullptr;
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }
    // The slot a creating call fills; whatever was held before is released first.
    T** put() {
        reset();
        return &p_;
    }
    void** putVoid() { return reinterpret_cast<void**>(put()); }

  private:
    T* p_ = nullptr;
};

// COM for the calling thread, in the single-threaded apartment the shell's folders expect; the
// matching uninitialise only when this scope's call counted.
class ComApartment {
  public:
    ComApartment() : counted_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (counted_)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool counted_;
};

} // namespace vx::win32
