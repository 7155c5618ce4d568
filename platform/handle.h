#pragma once

#include <utility>

namespace tarvok {

// Owns one Win32 handle and releases it with Traits::close. Traits::invalid() is the value
// that means "none" (nullptr for most handles, INVALID_HANDLE_VALUE for files).
template <typename Traits> class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle h) noexcept : h_(h) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != Traits::invalid(); }
    Handle release() noexcept { return std::exchange(h_, Traits::invalid()); }
    void reset(Handle h = Traits::invalid()) noexcept {
        if (h_ != Traits::invalid()) {
            Traits::close(h_);
        }
        h_ = h;
    }

  private:
    Handle h_ = Traits::invalid();
};

} // namespace tarvok
