#pragma once
#include <string>

namespace zw {

struct Font {
    std::string name = "MS Sans Serif";
    float size = 8.25f;
    int weight = 400; // 700 is bold
    int charset = 0;

    bool Bold() const { return weight >= 700; }
    bool operator==(const Font&) const = default;
};

} // namespace zw
