#pragma once

// Abstract keyboard model: names the USB identity of the keyboard it stands
// for. Device matching does not use it.

namespace talvane68 {

class CKeyboardDefine {
public:
    virtual ~CKeyboardDefine() = default;
    virtual const char16_t* GetProductId() const = 0;
    virtual const char16_t* GetVendorId() const = 0;
};

}  // namespace talvane68
