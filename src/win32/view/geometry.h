#pragma once
#include <optional>
#include <string_view>

namespace zw::view {

// Twips and pixels. A position of the model becomes the nearest whole pixel; scale is the factor by which
// the window's DPI differs from the DPI the model's twips per pixel were taken at (1 until the window moves
// to a monitor of another DPI).
int TwipsToPixels(float twips, float twipsPerPixel, double scale = 1.0);
float PixelsToTwips(int pixels, float twipsPerPixel, double scale = 1.0);

// The fixed control id of a model control, from its name and index; nullopt for a name that has none.
// Support tools and tests find controls by these ids, so they never change.
std::optional<int> DesignedControlId(std::string_view name, int index);

// The character that Alt selects in a caption: the one after a single "&", upper-cased; "&&" is a literal
// ampersand. 0 when the caption has none.
wchar_t AcceleratorOf(std::wstring_view caption);
// Whether a typed character selects that accelerator (letters match in either case).
bool MatchesAccelerator(wchar_t typed, wchar_t accelerator);

// The logical font height (negative: character height) of a font of the given points at the given DPI,
// as the run time computes it: 8.25 pt at 96 DPI is -11.
int FontHeight(float points, int dpi);

// The DPI an override variable asks for: a whole number from 48 to 960; nullopt when absent or not one.
std::optional<int> ParseDpiOverride(const char* text);

} // namespace zw::view
