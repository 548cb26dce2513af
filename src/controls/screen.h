#pragma once

namespace zw {

// The screen as the dialog sees it: size in twips and twips per pixel across and down (1440 / DPI).
class Screen {
public:
    Screen(float width, float height, float twipsPerPixelX, float twipsPerPixelY)
        : width_(width), height_(height), twipsPerPixelX_(twipsPerPixelX), twipsPerPixelY_(twipsPerPixelY) {}

    float Width() const { return width_; }
    float Height() const { return height_; }
    float TwipsPerPixelX() const { return twipsPerPixelX_; }
    float TwipsPerPixelY() const { return twipsPerPixelY_; }

    // A screen of width by height pixels at the given DPI.
    static Screen FromPixels(int widthPixels, int heightPixels, int dpiX, int dpiY) {
        const float tppx = 1440.0f / static_cast<float>(dpiX);
        const float tppy = 1440.0f / static_cast<float>(dpiY);
        return Screen(static_cast<float>(widthPixels) * tppx, static_cast<float>(heightPixels) * tppy, tppx, tppy);
    }

private:
    float width_;
    float height_;
    float twipsPerPixelX_;
    float twipsPerPixelY_;
};

} // namespace zw
