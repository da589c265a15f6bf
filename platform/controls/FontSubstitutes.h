#pragma once

#include <QFont>
#include <QStringList>

namespace platform {

// Windows font faces the programs name (in layouts, on windows) stand for
// fonts this platform has: the Liberation fonts are metric-compatible with
// Arial, Times New Roman and Courier New, and the bitmap faces of Windows
// take the Liberation face of their width ("MS Sans Serif" Liberation Sans,
// "Small Fonts" Liberation Sans Narrow). Each face keeps its own name on the
// control; only the font drawn changes. Windows and printers use the one
// table.
namespace FontSubstitutes {

// The face and size a form's controls have unless they set their own.
constexpr const char* FormFace = "MS Sans Serif";
constexpr int FormPointSize = 8;

// Registers the substitutes with Qt. Safe to call more than once; it also
// runs by itself when the application object is created.
void install();

// The faces the table stands for, as the programs name them, so that font
// choosers offer them beside the installed fonts.
QStringList faces();

// A form's default font (FormFace, FormPointSize), the substitutes
// installed. Forms set it on themselves, so their controls inherit it.
QFont formFont();

} // namespace FontSubstitutes

} // namespace platform
