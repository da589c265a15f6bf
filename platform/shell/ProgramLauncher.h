#pragma once

#include <QString>

namespace platform {

// Starts a program file of the current directory as a separate process,
// without arguments and without waiting for it. The file is found without
// regard to letter case.
class ProgramLauncher
{
public:
    enum class Result
    {
        Started,
        // No file of that name.
        Missing,
        // The file is there but could not be started; see error.
        Failed,
    };

    static Result startDetached(const QString& fileName, QString* error = nullptr);
};

} // namespace platform
