#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// A whole-file save writes a temporary file beside the file ("Brevox.ps" is
// saved through "Brevox.ps.GHdLSI") and renames it over the file; a program
// stopped in between leaves the temporary file behind.
namespace SaveLeftovers {

// A save takes milliseconds: a temporary file older than this is left over.
constexpr int DefaultAgeSeconds = 60;

// Removes what interrupted saves of the named files left: in each name's
// folder, a file named as the file (without regard to letter case) followed
// by "." and six letters or digits, last changed more than ageSeconds ago.
// A younger one may belong to a save in progress and stays. Returns the
// paths removed.
QStringList remove(const QStringList& names, int ageSeconds = DefaultAgeSeconds);

} // namespace SaveLeftovers

} // namespace platform
