#include <gtest/gtest.h>

#include <utility>

#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

struct PanelCase {
    int16_t listKind;
    int16_t index;
    const char* name;
    const char* version;
};

// Rows of both lists; any ListKind other than 0 means the direct-interface list.
const PanelCase PanelRows[] = {
    {0, 0, "No Product Installed", ""},
    {0, 1, "Trex-Trophy", ""},
    {0, 2, "Schick", "2.6"},
    {0, 6, "Sidexis", ""},
    {0, 8, "ProImage", ""},
    {0, 9, " XVA / CliniView / XVLite / Lightyear", " 3.9 / 3.5 / 2.1 / Release 25"},
    {0, 15, "OrthoCAD", "2.5"},
    {1, 0, "None", ""},
    {1, 1, "Gendex", "DXScan 3.0.0.9"},
    {1, 2, "AirTech - ScanX", "VistaScan Version 0.3.75.0"},
    {1, 5, "Gendex Picture \"GxPicture\"", "GxPicture 1.0.0.12"},
    {7, 6, "Suni Medical Imaging Systems", "SuniUsb.dll 01-07-2003, 5:05:00 PM"},
    {-1, 2, "AirTech - ScanX", "VistaScan Version 0.3.75.0"},
};

// Each row starts from a panel that shows something else, so a row with an empty version must clear it.
TEST(ProductInfoPanel, EveryRowReplacesWhatWasShown) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    for (const auto& c : PanelRows) {
        SCOPED_TRACE(std::to_string(c.listKind) + "/" + std::to_string(c.index));
        f.Label2(2).SetCaption("previous name");
        f.Label2(4).SetCaption("previous version");
        f.ShowProductInfo(c.listKind, c.index);
        EXPECT_EQ(f.Label2(2).Caption(), c.name);
        EXPECT_EQ(f.Label2(4).Caption(), c.version);
        // The fixed captions never change.
        EXPECT_EQ(f.Label2(3).Caption(), "Product Name:");
        EXPECT_EQ(f.Label2(5).Caption(), "Supported Version:");
    }
}

TEST(ProductInfoPanel, NegativeIndexEmptiesThePanelForEitherList) {
    for (int16_t listKind : {int16_t{0}, int16_t{1}, int16_t{5}}) {
        for (int16_t index : {int16_t{-1}, int16_t{-300}}) {
            SCOPED_TRACE(std::to_string(listKind) + "/" + std::to_string(index));
            DialogHarness h;
            frmZWIntStp& f = h.F();
            f.ShowProductInfo(0, 2);
            f.ShowProductInfo(listKind, index);
            EXPECT_EQ(f.Label2(2).Caption(), "");
            EXPECT_EQ(f.Label2(4).Caption(), "");
        }
    }
}

TEST(ProductInfoPanel, IndexPastItsTableLeavesThePanelAlone) {
    const std::pair<int16_t, int16_t> pastTheEnd[] = {{0, 16}, {0, 300}, {1, 7}, {2, 15}};
    for (const auto& [listKind, index] : pastTheEnd) {
        SCOPED_TRACE(std::to_string(listKind) + "/" + std::to_string(index));
        DialogHarness h;
        frmZWIntStp& f = h.F();
        f.ShowProductInfo(0, 14);
        f.ShowProductInfo(listKind, index);
        EXPECT_EQ(f.Label2(2).Caption(), "MediaDent");
        EXPECT_EQ(f.Label2(4).Caption(), "4.01.30");
    }
}

// The panel names the product, not the check box: they differ for most rows.
TEST(ProductInfoPanel, PanelTextsDifferFromCheckBoxCaptions) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    f.ShowProductInfo(0, 1);
    EXPECT_NE(f.Label2(2).Caption(), f.CheckBox1(1).Caption());
    // The Gendex Picture device is the one row worded like its check box.
    f.ShowProductInfo(1, 5);
    EXPECT_EQ(f.Label2(2).Caption(), f.DI_CheckBox1(5).Caption());
}

} // namespace
} // namespace zw::test
