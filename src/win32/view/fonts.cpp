#include "fonts.h"

#include "base/text_conversion.h"
#include "geometry.h"

namespace zw::view {

HFONT FontCache::Get(const Font& font, int dpi) {
    const int height = FontHeight(font.size, dpi);
    const auto key = std::make_tuple(font.name, height, font.weight, font.charset);
    if (auto it = fonts_.find(key); it != fonts_.end())
        return it->second;

    LOGFONTW request{};
    request.lfHeight = height;
    request.lfWeight = font.weight;
    request.lfCharSet = static_cast<BYTE>(font.charset);
    request.lfOutPrecision = OUT_DEFAULT_PRECIS;
    request.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    request.lfQuality = DEFAULT_QUALITY;
    request.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring face = WideFromUtf8(font.name);
    lstrcpynW(request.lfFaceName, face.c_str(), LF_FACESIZE);

    HFONT handle = CreateFontIndirectW(&request);
    if (handle == nullptr)
        handle = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    else
        fonts_.emplace(key, handle);
    return handle;
}

void FontCache::Clear() {
    for (auto& [key, handle] : fonts_)
        DeleteObject(handle);
    fonts_.clear();
}

} // namespace zw::view
