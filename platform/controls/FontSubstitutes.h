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
//
// Files of the system keep face names in fields of StoredNameWidth
// characters, which cut longer names ("Liberation Sans Narrow" is kept as
// "Liberation Sans Narr"). The table also holds each such cut that stands
// for one installed face: the only one whose name begins with those
// characters, when no face of its own has the cut name.
namespace FontSubstitutes {

// The face and size a form's controls have unless they set their own.
constexpr const char* FormFace = "MS Sans Serif";
constexpr int FormPointSize = 8;

// The face a blank face name stands for: the face printers start their
// documents in.
constexpr const char* BlankFace = "Arial";

constexpr int StoredNameWidth = 20;

// Registers the substitutes with Qt, the cut names too once the font
// database can be read (a GUI application exists). Safe to call more than
// once; it also runs by itself when the application object is created.
void install();

// An installed family's name as a layout names it: without the foundry that
// the font database adds to a family several foundries make ("Nimbus Sans
// [urw]" is "Nimbus Sans").
QString withoutFoundry(const QString& family);

// The installed face a stored name was cut from; `stored` itself when it is
// no such cut.
QString uncut(const QString& stored);

// The faces the table stands for, as the programs name them, so that font
// choosers offer them beside the installed fonts.
QStringList faces();

// A form's default font (FormFace, FormPointSize), the substitutes
// installed. Forms set it on themselves, so their controls inherit it.
QFont formFont();

} // namespace FontSubstitutes

} // namespace platform
