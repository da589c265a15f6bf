#pragma once

// Windows font faces the programs name (in layouts, on windows) stand for
// fonts this platform has: the Liberation fonts are metric-compatible with
// Arial, Times New Roman and Courier New, and the bitmap faces of Windows
// ("MS Sans Serif", "Small Fonts", ...) take Liberation Sans. Each face keeps
// its own name on the control; only the font drawn changes.
namespace FontSubstitutes {

// Registers the substitutes with Qt. Safe to call more than once; it also
// runs by itself when the application object is created.
void install();

} // namespace FontSubstitutes
