#pragma once

#include <QByteArray>
#include <QString>
#include <array>

// The alignment file "BrEVox2.Ft" in the current directory: four offsets in
// twips for each layout letter A to J (horizontal start, vertical start,
// horizontal advance, vertical advance), 40 lines, each one number as
// sign-blank decimal text (" 0", "-15", " 12.5") ended by CR LF. Line
// 4 x (r - 1) + k holds value k of layout r ("A" = 1).
class AlignmentFile
{
public:
    static constexpr int ValueCount = 40;
    static const QString FileName;

    // Element n (1 to 40) is line n; element 0 is not used.
    using Offsets = std::array<double, ValueCount + 1>;

    // Reads the bytes item by item (an item ends at a comma or a line end),
    // each item as its leading decimal number, into values[1..40] (all 0
    // first). Returns the number of items, counting any past the 40th,
    // which are not kept.
    static int decode(const QByteArray& bytes, Offsets& values);
    // Values 1 to 40, one per line.
    static QByteArray encode(const Offsets& values);
    // The values of a file holding a single set: values 1 to 4 ten times.
    static Offsets repeatedSet(const Offsets& single);

    static bool exists();
    // Reads the file; false, with *error, when it is missing or unreadable
    // (values all 0, count 0).
    static bool read(Offsets& values, int* itemCount, QString* error = nullptr);
    // Replaces the file whole; the old file stays when the write fails.
    static bool write(const Offsets& values, QString* error = nullptr);
};
