#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// What the print set-up dialog is handed and gives back: the printer and
// its settings, the page range and the number of copies. The dialog
// changes the fields to the user's choices when the user confirms.
struct PrintSetupRequest
{
    // The dialog's option flags, by their values in the common dialogs.
    enum Flag : int
    {
        PD_NOSELECTION = 0x4,
        PD_PAGENUMS = 0x2,
        PD_RETURNDC = 0x100,
        PD_USEDEVMODECOPIESANDCOLLATE = 0x40000,
        PD_DISABLEPRINTTOFILE = 0x80000
    };
    enum class Range
    {
        AllPages,
        Pages
    };

    int flags = 0;

    // The printers offered, and the one chosen (by device name).
    QStringList deviceNames;
    QString deviceName;

    // Page range: the pages offered (minPage..maxPage) and the pages
    // chosen (fromPage..toPage, or every page).
    Range range = Range::Pages;
    int fromPage = 1;
    int toPage = 1;
    int minPage = 1;
    int maxPage = 1;
    int copies = 1;

    // Printer settings by the printer object's numbers: orientation 1
    // portrait, 2 landscape; paper size; colour 1 monochrome, 2 colour;
    // duplex 1 simplex, 2 long edge, 3 short edge; print quality (negative
    // draft to high, or dots per inch); scale in percent.
    int orientation = 1;
    int paperSize = 9;
    int colorMode = 2;
    int duplex = 1;
    int printQuality = 0;
    int scale = 100;
};

} // namespace platform
