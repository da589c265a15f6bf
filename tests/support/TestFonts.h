#pragma once

// The fonts the tests see: those of the project's font packages and a few
// faces of the tests' own, whatever else the machine has installed (the
// printing system's URW fonts, Noto, ...), so that lists of faces, the
// fonts that stand in for missing ones and the widths of texts are the same
// on every machine. The tests' own faces are project fonts under other
// names, for names a layout's 20-character field cuts and for a family that
// comes from two foundries.
namespace TestFonts {

// A name of exactly 20 characters (the layout's field): stored whole. Drawn
// by DejaVu Sans Mono's file.
constexpr const char* TwentyLetters = "Label Face Of Twenty";
// 21 characters; no other face begins with its first 20. Drawn by DejaVu
// Serif's file.
constexpr const char* TwentyOneLetters = "Label Face Twenty One";
// Two faces of 26 characters with the same first 20, drawn by Liberation
// Mono's and Liberation Serif Italic's files.
constexpr const char* TwentySixWide = "Label Face Twenty-Six Wide";
constexpr const char* TwentySixTall = "Label Face Twenty-Six Tall";
// One family from two foundries, which the font system lists as
// "Foundry Listed Sans [urw]" and "Foundry Listed Sans [UKWN]"; both drawn
// by Open Sans Regular's file.
constexpr const char* TwoFoundries = "Foundry Listed Sans";

// Points fontconfig at the tests' configuration. Call before the
// application object exists.
void install();

} // namespace TestFonts
