#include "window_list.h"

#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "base/text_conversion.h"
#include "window_util.h"

namespace zw::view {

namespace {

std::string Escaped(const std::wstring& text) {
    std::string out;
    for (char c : Utf8FromWide(text)) {
        switch (c) {
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::string Line(HWND window, const std::string& parent, const RECT& place) {
    LOGFONTW font{};
    if (auto handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)))
        GetObjectW(handle, sizeof font, &font);
    const std::wstring className = ClassOf(window);
    const bool button = lstrcmpiW(className.c_str(), L"Button") == 0;
    char numbers[256];
    std::snprintf(numbers, sizeof numbers, "%s\t%lx\t%lx\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%d\t", parent.c_str(),
                  static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)),
                  static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)),
                  static_cast<int>(GetWindowLongPtrW(window, GWLP_ID)), place.left, place.top, place.right - place.left,
                  place.bottom - place.top, font.lfHeight, font.lfWeight, font.lfCharSet);
    std::string line = Escaped(className) + "\t" + numbers + Escaped(font.lfFaceName) + "\t" +
                       std::to_string(button ? SendMessageW(window, BM_GETCHECK, 0, 0) : 0) + "\t" +
                       (GetFocus() == window ? "1" : "0") + "\t" + Escaped(WindowText(window));
    if (lstrcmpiW(className.c_str(), WC_TABCONTROLW) == 0) {
        const auto count = static_cast<int>(SendMessageW(window, TCM_GETITEMCOUNT, 0, 0));
        line += "\t" + std::to_string(SendMessageW(window, TCM_GETCURSEL, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t caption[256] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption;
            item.cchTextMax = 256;
            SendMessageW(window, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            line += "\t" + Escaped(caption);
        }
    }
    return line + "\n";
}

} // namespace

bool WriteWindowList(HWND top, const std::wstring& file) {
    RECT outer{};
    GetWindowRect(top, &outer);
    std::string text = Line(top, "-", outer);
    // Parents in the order they were listed; each one's children from the top of its stack down.
    std::vector<HWND> listed{top};
    for (size_t parent = 0; parent < listed.size(); ++parent) {
        for (HWND child = GetWindow(listed[parent], GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(HWND_DESKTOP, listed[parent], reinterpret_cast<POINT*>(&place), 2);
            text += Line(child, std::to_string(parent), place);
            listed.push_back(child);
        }
    }
    FILE* out = _wfopen(file.c_str(), L"wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && written;
}

} // namespace zw::view
