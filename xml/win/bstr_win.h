// Ownership of one BSTR: freed with SysFreeString when the holder goes or takes another one.
#pragma once

#include <oleauto.h>

#include <string>

class Bstr {
  public:
    Bstr() = default;
    // A copy of `text`; empty (null) when the allocation fails.
    explicit Bstr(const std::wstring& text)
        : value_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    ~Bstr() { ::SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR Get() const { return value_; }

    // For an out parameter: frees what is held and hands out the slot.
    BSTR* Out() {
        ::SysFreeString(value_);
        value_ = nullptr;
        return &value_;
    }

    // The text, embedded nulls included; a null BSTR is the empty string.
    std::wstring ToString() const {
        return value_ ? std::wstring(value_, ::SysStringLen(value_)) : std::wstring();
    }

  private:
    BSTR value_ = nullptr;
};
