#pragma once

#include <QDate>
#include <QString>
#include <array>

// The advanced field settings of one layout letter, "Ticket_" & letter &
// ".dat" in the current directory: quoted comma-separated values, 22 lines
// ended by CR LF -
//   1      "Quendra - Rezuve Zoraziv. field wrapper","MM-DD-YYYY" (date written)
//   2      barcode height,barcode top (bare numbers; 0 = the renderer's default)
//   3..11  the data source of field 0 to 8, quoted
//   12..22 ""
// A layout whose settings are all defaults has no file.
namespace FieldSourceFile {

inline constexpr int FieldCount = 9;
inline constexpr int SpareLines = 11;

struct Settings
{
    // The texts as typed in the boxes; only their leading numbers are stored.
    QString barcodeHeight = QStringLiteral("0");
    QString barcodeTop = QStringLiteral("0");
    std::array<QString, FieldCount> sources;

    Settings();
};

QString defaultSource(); // "default"
QString header();        // the phrase of line 1

// "Ticket_A.dat" for "A"; blanks around the letter are dropped.
QString fileName(const QString& letter);

// True when every source is exactly "default" and both numbers are 0.
bool isDefault(const Settings& settings);

// The bytes of a settings file written on `date`.
QByteArray encode(const Settings& settings, const QDate& date);

// Writes the settings of `letter`, or deletes its file when they are the
// defaults. False, with *error, when the file could not be written or
// removed; the old file then stays.
bool save(const QString& letter, const Settings& settings, const QDate& date,
          QString* error = nullptr);

// Reads the settings of `letter` item by item: the third item is the
// barcode height, the fourth the top, the next nine the sources. Items the
// file does not hold keep their defaults. False when there is no file.
bool load(const QString& letter, Settings& settings);

} // namespace FieldSourceFile
