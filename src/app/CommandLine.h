// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brimbal {

// What the command line asks of the program before any window exists.
enum class TCommand {
    Start,   // start the game, as without arguments
    Help,    // print the usage text and end
    Version, // print the name and version and end
};

// Reads the arguments (without the program name) before the application object exists. The
// first of --help, -h, --version and -v decides; anything else means Start. The value after one
// of Qt's own options that take a value (-style Fusion, -platform offscreen) belongs to Qt and
// is never read as ours.
TCommand ParseCommandLine(const std::vector<std::string>& arguments);

// The short usage text that --help prints in the desktop's language, ending with a line break.
std::string HelpText();
// The product name and file version from the program's version data: "Brimbal 1.5.0.0".
std::string VersionText();
// The line that names an argument neither Qt nor the program knows.
std::string UnknownArgumentText(const std::string& argument);

// For the program entry, before the application object exists: answers --help and --version on
// standard output and gives the exit code; nothing when the game is to start.
std::optional<int> RunCommandLine(int argc, const char* const* argv);

// For the program entry, once the application object has taken Qt's own options out of argv:
// one line on standard error for each argument that is left. The game starts all the same.
void ReportUnknownArguments(int argc, const char* const* argv);

} // namespace brimbal
