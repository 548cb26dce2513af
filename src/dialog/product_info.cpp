// The product information panel: the product that each interface was written for and the version it
// supports. The texts are the program's own; nothing is read from the computer.
#include <iterator>

#include "frm_zw_int_stp.h"

namespace zw {

namespace {

struct ProductInfo {
    const char* name;
    const char* version; // empty: the panel shows no version
};

const ProductInfo BridgeProducts[] = {
    {"No Product Installed", ""},
    {"Trex-Trophy", ""},
    {"Schick", "2.6"},
    {"TigerView", "5.1"},
    {"Dexis", "3.1.4"},
    {"Vipersoft", "1.2"},
    {"Sidexis", ""},
    {"VixWin 2000", "1.8"},
    {"ProImage", ""},
    {" XVA / CliniView / XVLite / Lightyear", " 3.9 / 3.5 / 2.1 / Release 25"},
    {"Planmeca, Dimaxis", "3.2.2"},
    {"Dental Imaging Suite", "1.73.4"},
    {"Image F/X", "4.12"},
    {"Schick - Dicom", "3.5"},
    {"MediaDent", "4.01.30"},
    {"OrthoCAD", "2.5"},
};

const ProductInfo DirectProducts[] = {
    {"None", ""},
    {"Gendex", "DXScan 3.0.0.9"},
    {"AirTech - ScanX", "VistaScan Version 0.3.75.0"},
    {"Schick CDR-Dicom", "SDK version 3.01 Build 1046"},
    {"Radiography System Visiodent", "RSV 2.0.1.0"},
    {"Gendex Picture \"GxPicture\"", "GxPicture 1.0.0.12"},
    {"Suni Medical Imaging Systems", "SuniUsb.dll 01-07-2003, 5:05:00 PM"},
};

} // namespace

void frmZWIntStp::ShowProductInfo(int16_t ListKind, int16_t Index) {
    if (Index < 0) {
        Label2(2).SetCaption("");
        Label2(4).SetCaption("");
        return;
    }
    const bool bridge = ListKind == 0;
    const ProductInfo* table = bridge ? BridgeProducts : DirectProducts;
    const auto rows = bridge ? std::size(BridgeProducts) : std::size(DirectProducts);
    // A row past the end of its table leaves the panel as it was.
    if (static_cast<size_t>(Index) >= rows)
        return;
    Label2(2).SetCaption(table[Index].name);
    Label2(4).SetCaption(table[Index].version);
}

} // namespace zw
