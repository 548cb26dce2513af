#include <sstream>

#include "support/dialog_checks.h"

namespace zw::test {
namespace {

using Controls = std::initializer_list<const Control*>;

// Everything the arrangement moves: the devices' tops; the tops of the panel's captions and values and of OK
// and Cancel; then left, top, width and height of the tab strip, the Bridge and Direct Interface frames, the
// description frame and the dialog.
std::string Places(const frmZWIntStp& f) {
    std::ostringstream s;
    s << "devices";
    f.DI_CheckBox1.ForEach([&](const CheckBox& b) { s << ' ' << b.Top(); });
    s << " | panel";
    for (const Control* c :
         Controls{&f.Label2(3), &f.Label2(2), &f.Label2(5), &f.Label2(4), &f.Command1(0), &f.Command1(1)})
        s << ' ' << c->Top();
    for (const Control* c : Controls{f.ts, &f.Picture1(0), &f.Picture1(1), f.Picture2, &f})
        s << " | " << c->Left() << ' ' << c->Top() << ' ' << c->Width() << ' ' << c->Height();
    return s.str();
}

// Worked out by hand for the harness' frame of 6 x 29 pixels and tab strip insets of 2, 24, 4, 4 pixels, on a
// screen of 1024 x 768 pixels. The third screen has pixels of different sizes across and down, so each gap
// must come from its own direction. The hidden devices 4, 5 and 6 keep their designed tops. In MED mode only
// OK, Cancel and the dialog's height change, which leaves the description frame outside.
const std::vector<std::tuple<Screen, std::string, std::string>> ScreenCases = {
    {Screen::FromPixels(1024, 768, 96, 96),
     "devices 360 660 960 1260 1860 960 2130 | panel 6075 6075 6300 6300 6075 6075 | 60 60 6975 5955 | 90 420 6885 "
     "5535 | 90 420 6885 5535 | 60 6540 6975 2220 | 4087 906 7185 9255",
     "devices 360 660 960 1260 1860 960 2130 | panel 6075 6075 6300 6300 6000 6000 | 60 60 6975 5955 | 90 420 6885 "
     "5535 | 90 420 6885 5535 | 60 6540 6975 2220 | 4087 1848 7185 6900"},
    {Screen::FromPixels(1024, 768, 120, 120),
     "devices 360 600 840 1080 1860 960 2130 | panel 5967 5967 6192 6192 5967 5967 | 48 48 6957 5871 | 72 336 6885 "
     "5535 | 72 336 6885 5535 | 48 6420 6957 2220 | 2581 72 7125 9036",
     "devices 360 600 840 1080 1860 960 2130 | panel 5967 5967 6192 6192 5907 5907 | 48 48 6957 5871 | 72 336 6885 "
     "5535 | 72 336 6885 5535 | 48 6420 6957 2220 | 2581 1003.2 7125 6708"},
    {Screen::FromPixels(1024, 768, 96, 120),
     "devices 360 600 840 1080 1860 960 2130 | panel 5967 5967 6192 6192 5967 5967 | 60 48 6975 5871 | 90 336 6885 "
     "5535 | 90 336 6885 5535 | 60 6420 6975 2220 | 4087 72 7185 9036",
     "devices 360 600 840 1080 1860 960 2130 | panel 5967 5967 6192 6192 5907 5907 | 60 48 6975 5871 | 90 336 6885 "
     "5535 | 90 336 6885 5535 | 60 6420 6975 2220 | 4087 1003.2 7185 6708"}};

TEST(Arrangement, StandardAndMedModeAtEachScreen) {
    for (const auto& [screen, standard, compact] : ScreenCases) {
        for (const bool med : {false, true}) {
            SCOPED_TRACE(std::to_string(screen.TwipsPerPixelY()) + (med ? " MED" : ""));
            DialogHarness h(screen);
            h.fakes.process.commandLine = med ? "MED" : "";
            h.Load();
            auto& f = h.F();
            EXPECT_EQ(Places(f), med ? compact : standard);
            EXPECT_EQ(f.BridgeRowMap, RowControls);
            // The offered devices follow "None" in the keyboard order; GxPicture, designed between them, goes last.
            std::string devices;
            f.DI_CheckBox1.ForEach(
                [&](const CheckBox& b) { devices += std::to_string(b.TabIndex()) + (b.Visible() ? " " : "h "); });
            EXPECT_EQ(devices, "65 66 67 68 70h 69h 71h ");
            // The probe frame is never shown; only in MED mode is it also disabled.
            EXPECT_TRUE(!f.Picture1(1).Visible() && !f.Picture1(2).Visible() && f.Picture1(2).Enabled() != med);
        }
    }
}

// The dialog measures 7185 x 9255 twips at 15 twips per pixel: centred across, two fifths of the free height down.
TEST(Arrangement, PlacingRoundsHalvesToEvenThenHalvesTowardsZero) {
    const std::vector<std::tuple<float, float, float, float>> cases = {{6000, 5000, -592, -1702},
                                                                       {8000.5f, 11520, 408, 906},
                                                                       {6367.5f, 11520, -409, 906},
                                                                       {15360, 11001, 4087, 698.4f}};
    for (const auto& [width, height, left, top] : cases) {
        DialogHarness h(Screen(width, height, 15, 15));
        h.Load();
        EXPECT_EQ((std::vector<float>{h.F().Left(), h.F().Top()}), (std::vector<float>{left, top})) << width;
    }
}

} // namespace
} // namespace zw::test
