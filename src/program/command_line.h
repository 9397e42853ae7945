#pragma once

#include "engine/presets.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace ortambra {

// What the command line asks for: a game with these presets, or an end before any window with
// this status and text (the help and the version on standard output, status 0; a mistake on
// standard error, status 2).
struct CommandLine {
    std::optional<Presets> presets;
    int status = 0;
    QString output;
    QString error;
};

// Reads the arguments (the program's name first). Qt's own options (-platform, -style, …) are
// let through for the application object.
CommandLine readCommandLine(const QStringList& arguments);

} // namespace ortambra
