#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <tuple>

#include "controls/font.h"

namespace zw::view {

// The GDI fonts of the dialog's controls, made once per font and DPI and kept until the windows that use
// them are gone.
class FontCache {
public:
    FontCache() = default;
    ~FontCache() { Clear(); }
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    HFONT Get(const Font& font, int dpi);
    // Deletes every font; call only after the windows using them are destroyed.
    void Clear();
    // Forgets every font without deleting it: for windows left to the end of the process, which frees both.
    void Forget() { fonts_.clear(); }

private:
    std::map<std::tuple<std::string, int, int, int>, HFONT> fonts_;
};

} // namespace zw::view
