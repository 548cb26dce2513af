#pragma once

namespace zw {

class TabStrip;

struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The difference between a form's outer size and its inner (client) size, in twips. On Windows it comes
// from AdjustWindowRectEx for the form's styles at the current DPI; in tests from fixed numbers.
class FrameMetrics {
public:
    virtual ~FrameMetrics() = default;
    virtual float NonClientWidth() const = 0;
    virtual float NonClientHeight() const = 0;
};

// The client rectangle of a tab strip of a given size, in twips relative to the tab strip's container.
// On Windows it comes from TabCtrl_AdjustRect; in tests from fixed insets.
class TabClientMetrics {
public:
    virtual ~TabClientMetrics() = default;
    virtual TwipsRect ClientArea(const TabStrip& tabStrip) const = 0;
};

// Fixed numbers, for tests and for a form that has no window yet.
class FixedFrameMetrics : public FrameMetrics {
public:
    FixedFrameMetrics(float nonClientWidth, float nonClientHeight) : width_(nonClientWidth), height_(nonClientHeight) {}
    float NonClientWidth() const override { return width_; }
    float NonClientHeight() const override { return height_; }

private:
    float width_;
    float height_;
};

} // namespace zw
