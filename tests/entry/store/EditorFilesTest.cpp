#include <QDir>
#include <gtest/gtest.h>

#include "entry/store/ColourFile.h"
#include "entry/store/SizeScaleFile.h"
#include "support/TempDirTest.h"

namespace {

class EditorFilesTest : public TempDirTest
{
};

SizeScaleFile::Scale scale(const QString& name, const QStringList& sizes)
{
    SizeScaleFile::Scale s{name, sizes};
    while (s.sizes.size() < SizeScaleFile::SizeCount)
        s.sizes.append(QString());
    return s;
}

} // namespace

TEST_F(EditorFilesTest, ScaleLineIsEightPaddedQuotedValues)
{
    ASSERT_TRUE(SizeScaleFile::write(
        QStringLiteral("ZRNZ.DAT"),
        {scale("KIDS", {"2-3", "4-5", "6-7"}), scale("ADULT OVERSIZE", {"XXLARGE", "M"})}));
    EXPECT_EQ(readBytes(QStringLiteral("ZRNZ.DAT")),
              QByteArray("\"KIDS      \",\"2-3   \",\"4-5   \",\"6-7   \",\"      \",\"      \","
                         "\"      \",\"      \"\r\n"
                         "\"ADULT OVER\",\"XXLARG\",\"M     \",\"      \",\"      \",\"      \","
                         "\"      \",\"      \"\r\n"));
}

TEST_F(EditorFilesTest, ColourLineIsIdAndNamePadded)
{
    ASSERT_TRUE(ColourFile::write(QStringLiteral("ZRCOL.DAT"),
                                  {{"R", "Red"}, {"NAVY", "Navy blue with a white stripe"}}));
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")),
              QByteArray("\"R  \",\"Red                 \"\r\n"
                         "\"NAV\",\"Navy blue with a whi\"\r\n"));
}

TEST_F(EditorFilesTest, ValuesReadBackAsWritten)
{
    // Commas, leading blanks and Windows-1252 characters stay in their value.
    const QList<SizeScaleFile::Scale> scales{
        scale(" SHOES", {"4,5", " 6", "7½"}),
        scale("A,B", {"1"}),
        scale("LAST", {"S", "M", "L", "XL", "XXL", "3XL", "4XL"}),
    };
    ASSERT_TRUE(SizeScaleFile::write(QStringLiteral("scales.zr3"), scales));
    const QList<SizeScaleFile::Scale> back = SizeScaleFile::read(QStringLiteral("scales.zr3"));
    ASSERT_EQ(back.size(), scales.size());
    for (qsizetype n = 0; n < scales.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(back.at(n).name, scales.at(n).name.leftJustified(10));
        ASSERT_EQ(back.at(n).sizes.size(), 7);
        for (int p = 0; p < 7; ++p)
            EXPECT_EQ(back.at(n).sizes.at(p), scales.at(n).sizes.at(p).leftJustified(6));
    }

    ASSERT_TRUE(ColourFile::write(QStringLiteral("colours.zr4"),
                                  {{"B,K", "Black, matt"}, {" r", "€uro red"}}));
    const QList<ColourFile::Colour> colours = ColourFile::read(QStringLiteral("colours.zr4"));
    ASSERT_EQ(colours.size(), 2);
    EXPECT_EQ(colours.at(0).id, QStringLiteral("B,K"));
    EXPECT_EQ(colours.at(0).name, QStringLiteral("Black, matt").leftJustified(20));
    EXPECT_EQ(colours.at(1).id, QStringLiteral(" r "));
    EXPECT_EQ(colours.at(1).name, QStringLiteral("€uro red").leftJustified(20));
}

TEST_F(EditorFilesTest, DoubleQuoteNeverShiftsLaterValues)
{
    // The editors refuse a double quote; should one reach the file anyway
    // it is stored as a single quote and the line keeps its eight values.
    ASSERT_TRUE(SizeScaleFile::write(QStringLiteral("ZRNZ.DAT"),
                                     {scale("28\" LEG", {"30\"", "32"}), scale("NEXT", {"S"})}));
    const QList<SizeScaleFile::Scale> back = SizeScaleFile::read(QStringLiteral("ZRNZ.DAT"));
    ASSERT_EQ(back.size(), 2);
    EXPECT_EQ(back.at(0).name, QStringLiteral("28' LEG   "));
    EXPECT_EQ(back.at(0).sizes.at(0), QStringLiteral("30'   "));
    EXPECT_EQ(back.at(0).sizes.at(1), QStringLiteral("32    "));
    EXPECT_EQ(back.at(1).name, QStringLiteral("NEXT      "));
}

TEST_F(EditorFilesTest, ReadersTakeFilesOfOtherHands)
{
    // Lines of the original programs, LF-only ends, blank lines at the end,
    // a name spelt in another case and a padded 30-character name field.
    writeBytes(QStringLiteral("zrnz.dat"),
               "\"MENS      \",\"S     \",\"M     \",\"L     \",\"      \",\"      \",\"      \","
               "\"      \"\n"
               "  \"KIDS\" , \"2-3\",\"4-5\",\"\",\"\",\"\",\"\",\"\"\r\n\r\n   \r\n");
    const QList<SizeScaleFile::Scale> scales =
        SizeScaleFile::read(QStringLiteral("ZRNZ.DAT").leftJustified(30));
    ASSERT_EQ(scales.size(), 2);
    EXPECT_EQ(scales.at(0).name, QStringLiteral("MENS      "));
    EXPECT_EQ(scales.at(0).sizes.at(2), QStringLiteral("L     "));
    EXPECT_EQ(scales.at(1).name, QStringLiteral("KIDS"));
    EXPECT_EQ(scales.at(1).sizes, (QStringList{"2-3", "4-5", "", "", "", "", ""}));

    // A line cut short gives empty values, not a shifted next scale.
    writeBytes(QStringLiteral("ZRCOL.DAT"), "\"R  \",\"Red \"\r\n\"G  \"");
    const QList<ColourFile::Colour> colours = ColourFile::read(QStringLiteral("ZRCOL.DAT"));
    ASSERT_EQ(colours.size(), 2);
    EXPECT_EQ(colours.at(1).id, QStringLiteral("G  "));
    EXPECT_EQ(colours.at(1).name, QString());
}

TEST_F(EditorFilesTest, MissingFileIsEmptyList)
{
    bool ok = false;
    EXPECT_TRUE(SizeScaleFile::read(QStringLiteral("ZRNZ.DAT"), &ok).isEmpty());
    EXPECT_TRUE(ok);
    ok = false;
    EXPECT_TRUE(ColourFile::read(QStringLiteral("ZRCOL.DAT"), &ok).isEmpty());
    EXPECT_TRUE(ok);
}

TEST_F(EditorFilesTest, UnreadableFileIsToldFromAMissingOne)
{
    // Something of the file's name that cannot be read as a file: its empty
    // list must not be taken for the data set's scales or colours.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ZRNZ.DAT")));
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("zrcol.dat")));
    bool ok = true;
    EXPECT_TRUE(SizeScaleFile::read(QStringLiteral("ZRNZ.DAT").leftJustified(30), &ok).isEmpty());
    EXPECT_FALSE(ok);
    ok = true;
    EXPECT_TRUE(ColourFile::read(QStringLiteral("ZRCOL.DAT"), &ok).isEmpty());
    EXPECT_FALSE(ok);

    writeBytes(QStringLiteral("scales.zr3"), "\"S         \",\"1     \"\r\n");
    ok = false;
    EXPECT_EQ(SizeScaleFile::read(QStringLiteral("SCALES.ZR3"), &ok).size(), 1);
    EXPECT_TRUE(ok);
}

TEST_F(EditorFilesTest, FailedWriteIsReportedAndKeepsOldFile)
{
    const QByteArray old("\"R  \",\"Red                 \"\r\n");
    writeBytes(QStringLiteral("ZRCOL.DAT"), old);
    QString error;
    EXPECT_FALSE(ColourFile::write(QStringLiteral("nofolder/ZRCOL.DAT"), {{"G", "Green"}}, &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(
        SizeScaleFile::write(QStringLiteral("nofolder/ZRNZ.DAT"), {scale("S", {"1"})}, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readBytes(QStringLiteral("ZRCOL.DAT")), old);
}
