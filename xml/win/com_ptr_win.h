// Ownership of one COM interface pointer: released when the holder goes or takes another one.
#pragma once

#include <unknwn.h>

template <typename T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer_(other.pointer_) { other.pointer_ = nullptr; }
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            Reset();
            pointer_ = other.pointer_;
            other.pointer_ = nullptr;
        }
        return *this;
    }

    T* Get() const { return pointer_; }
    T* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

    // For an out parameter: releases what is held and hands out the slot.
    T** Out() {
        Reset();
        return &pointer_;
    }

    // Takes over a reference the caller owns.
    void Attach(T* pointer) {
        Reset();
        pointer_ = pointer;
    }

    // Gives up the reference without releasing it.
    [[nodiscard]] T* Detach() {
        T* pointer = pointer_;
        pointer_ = nullptr;
        return pointer;
    }

    void Reset() {
        if (pointer_) {
            pointer_->Release();
            pointer_ = nullptr;
        }
    }

  private:
    T* pointer_ = nullptr;
};
