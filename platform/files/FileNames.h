#pragma once

#include <QString>

namespace platform {

// File names as the programs spell them: "\" is a folder separator, "A:" is
// the floppy mount point, and every name is matched without regard to letter
// case in its folder. A name without a folder is relative to the current
// directory.
namespace FileNames {

// Where drive "A:" lives (default "/media/floppy"); tests point it elsewhere.
void setFloppyRoot(const QString& path);
QString floppyRoot();

// The path as this system spells it: separators and drive mapped.
QString normalize(const QString& name);

// The path of an existing file whose name matches without regard to case,
// or, when none exists, the normalized name with its existing folders
// matched the same way (so that a create uses it).
QString resolve(const QString& name);

bool exists(const QString& name);                    // a file or a folder of that name
bool remove(const QString& name);                    // true when the file is gone afterwards
bool copy(const QString& from, const QString& to);   // replaces an existing target
bool rename(const QString& from, const QString& to); // replaces an existing target

} // namespace FileNames

} // namespace platform
