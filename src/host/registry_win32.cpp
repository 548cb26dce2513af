#include <windows.h>

#include <optional>
#include <vector>

#include "base/text_conversion.h"
#include "platform/environment_component.h"
#include "registry_reader.h"

namespace zw {

namespace {

struct KeyCloser {
    HKEY key;
    ~KeyCloser() { RegCloseKey(key); }
};

std::string TextOf(DWORD type, const std::vector<BYTE>& data, DWORD size) {
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ: {
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0')
            text.pop_back();
        return Utf8FromWide(text);
    }
    case REG_DWORD:
        if (size >= sizeof(DWORD))
            return std::to_string(*reinterpret_cast<const DWORD*>(data.data()));
        return {};
    case REG_QWORD:
        if (size >= sizeof(ULONGLONG))
            return std::to_string(*reinterpret_cast<const ULONGLONG*>(data.data()));
        return {};
    default:
        return {};
    }
}

// The value in one view of the registry, or nothing when the key or the value is not there.
std::optional<std::string> ReadFromView(HKEY root, const std::wstring& subKey, const std::wstring& valueName,
                                        REGSAM view) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, subKey.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS)
        return std::nullopt;
    KeyCloser closer{key};
    const wchar_t* name = valueName.empty() ? nullptr : valueName.c_str();
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data;
    // The value may grow between the two calls; ask again until it fits.
    do {
        data.resize(size + sizeof(wchar_t));
        size = DWORD(data.size());
        status = RegQueryValueExW(key, name, nullptr, &type, data.data(), &size);
    } while (status == ERROR_MORE_DATA);
    if (status != ERROR_SUCCESS)
        return std::nullopt;
    return TextOf(type, data, size);
}

class Win32RegistryReader : public RegistryReader {
public:
    std::optional<std::string> ReadInView(uint32_t rootKey, const std::string& subKey, const std::string& valueName,
                                          RegistryView view) override {
        const HKEY root = rootKey == HKEY_CLASSES_ROOT_VALUE ? HKEY_CLASSES_ROOT : HKEY_LOCAL_MACHINE;
        const REGSAM sam = view == RegistryView::Bits32 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
        return ReadFromView(root, WideFromUtf8(subKey), WideFromUtf8(valueName), sam);
    }
};

} // namespace

std::unique_ptr<RegistryReader> MakeSystemRegistryReader() {
    return std::make_unique<Win32RegistryReader>();
}

} // namespace zw
