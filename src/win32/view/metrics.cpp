#include "metrics.h"

#include <commctrl.h>

#include <cmath>

#include "base/runtime_error.h"
#include "controls/tab_strip.h"
#include "dpi.h"
#include "geometry.h"

namespace zw::view {

int Scaling::PixelsX(float twips) const {
    return TwipsToPixels(twips, twipsPerPixelX, factor);
}

int Scaling::PixelsY(float twips) const {
    return TwipsToPixels(twips, twipsPerPixelY, factor);
}

float Scaling::TwipsX(int pixels) const {
    return PixelsToTwips(pixels, twipsPerPixelX, factor);
}

float Scaling::TwipsY(int pixels) const {
    return PixelsToTwips(pixels, twipsPerPixelY, factor);
}

int Scaling::FontDpi(int layoutDpi) const {
    return static_cast<int>(std::lround(layoutDpi * factor));
}

SIZE Win32FrameMetrics::NonClientPixels() const {
    return OuterSize(SIZE{0, 0}, style_, exStyle_, NonClientDpi(window_));
}

float Win32FrameMetrics::NonClientWidth() const {
    return scaling_.TwipsX(NonClientPixels().cx);
}

float Win32FrameMetrics::NonClientHeight() const {
    return scaling_.TwipsY(NonClientPixels().cy);
}

TwipsRect Win32TabClientMetrics::ClientArea(const TabStrip& tabStrip) const {
    HWND window = windowOf_ ? windowOf_(tabStrip) : nullptr;
    if (window == nullptr)
        throw RuntimeError(errors::ObjectRequired, "Object required: the tab strip has no window yet");

    const int width = scaling_.PixelsX(tabStrip.Width());
    const int height = scaling_.PixelsY(tabStrip.Height());
    RECT display{0, 0, width, height};
    TabCtrl_AdjustRect(window, FALSE, &display);

    // The insets stay whole pixels; the model's own twips stay as they are, so that a container sized to
    // the client area plus the insets gives exactly the frame's size back.
    const int insetLeft = display.left;
    const int insetTop = display.top;
    const int insetRight = width - display.right;
    const int insetBottom = height - display.bottom;
    return TwipsRect{tabStrip.Left() + scaling_.TwipsX(insetLeft), tabStrip.Top() + scaling_.TwipsY(insetTop),
                     tabStrip.Width() - scaling_.TwipsX(insetLeft + insetRight),
                     tabStrip.Height() - scaling_.TwipsY(insetTop + insetBottom)};
}

} // namespace zw::view
