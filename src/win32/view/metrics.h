#pragma once
#include <windows.h>

#include <functional>

#include "controls/metrics.h"

namespace zw::view {

// How the model's twips become the window's pixels: twips per pixel of the layout DPI, and the factor by
// which the window's DPI has moved away from that DPI since the dialog was laid out.
struct Scaling {
    float twipsPerPixelX = 15;
    float twipsPerPixelY = 15;
    double factor = 1.0;

    int PixelsX(float twips) const;
    int PixelsY(float twips) const;
    float TwipsX(int pixels) const;
    float TwipsY(int pixels) const;
    // The DPI that fonts are made at.
    int FontDpi(int layoutDpi) const;
};

// The frame and title bar of the dialog's window: AdjustWindowRectEx of its real styles at the DPI the
// system draws them at, in twips.
class Win32FrameMetrics : public FrameMetrics {
public:
    Win32FrameMetrics(const Scaling& scaling, DWORD style, DWORD exStyle)
        : scaling_(scaling), style_(style), exStyle_(exStyle) {}
    void SetWindow(HWND window) { window_ = window; }
    float NonClientWidth() const override;
    float NonClientHeight() const override;
    SIZE NonClientPixels() const;

private:
    const Scaling& scaling_;
    DWORD style_;
    DWORD exStyle_;
    HWND window_ = nullptr;
};

// The display area of the tab strip's window (TabCtrl_AdjustRect) for the model's size of the tab strip, in
// twips relative to the tab strip's container. The window must exist: the view creates it on Attach.
class Win32TabClientMetrics : public TabClientMetrics {
public:
    using WindowLookup = std::function<HWND(const TabStrip&)>;
    Win32TabClientMetrics(const Scaling& scaling, WindowLookup windowOf)
        : scaling_(scaling), windowOf_(std::move(windowOf)) {}
    TwipsRect ClientArea(const TabStrip& tabStrip) const override;

private:
    const Scaling& scaling_;
    WindowLookup windowOf_;
};

} // namespace zw::view
