#include "framework/res_string_win.h"

HINSTANCE ResourceModule() {
    return ::GetModuleHandle(nullptr);
}

TString LoadResString(UINT id, HINSTANCE module) {
    if (!module)
        module = ResourceModule();
    // LoadString cuts a text to the buffer and says only how much it copied, so a text that
    // fills the buffer may have been cut: try again with a larger one. Table texts are at most
    // 4097 characters long, which bounds the loop.
    TString text(256, TEXT('\0'));
    for (;;) {
        int copied = ::LoadString(module, id, text.data(), static_cast<int>(text.size()));
        if (copied <= 0)
            return TString();
        if (static_cast<std::size_t>(copied) + 1 < text.size() || text.size() > 8192) {
            text.resize(static_cast<std::size_t>(copied));
            return text;
        }
        text.resize(text.size() * 2);
    }
}
