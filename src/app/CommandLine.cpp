// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "CommandLine.h"

#include "BuiltInVersion.h"
#include "Language.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

namespace brimbal {
namespace {

// Qt's own options that take their value as the next argument (QGuiApplication, QApplication
// and the X11 platform). Qt accepts each with one dash or two.
constexpr std::array<std::string_view, 15> KQtOptionsWithValue = {
    "-display",
    "-geometry",
    "-name",
    "-platform",
    "-platformpluginpath",
    "-platformtheme",
    "-plugin",
    "-qwindowgeometry",
    "-qwindowicon",
    "-qwindowtitle",
    "-session",
    "-style",
    "-stylesheet",
    "-title",
    "-visual",
};

bool IsQtOptionWithValue(std::string_view argument) {
    if (argument.size() > 2 && argument.substr(0, 2) == "--") {
        argument.remove_prefix(1);
    }
    return std::find(KQtOptionsWithValue.begin(), KQtOptionsWithValue.end(), argument) !=
           KQtOptionsWithValue.end();
}

} // namespace

TCommand ParseCommandLine(const std::vector<std::string>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            return TCommand::Help;
        }
        if (argument == "--version" || argument == "-v") {
            return TCommand::Version;
        }
        if (IsQtOptionWithValue(argument)) {
            ++i;
        }
    }
    return TCommand::Start;
}

std::string HelpText() {
    return TranslateEarly(
               "CommandLine",
               QT_TRANSLATE_NOOP(
                   "CommandLine",
                   "Aufruf: brimbal [OPTION]\n"
                   "Brimbal, ein Denkspiel für eine Person: Gruppen gleichfarbiger Kugeln "
                   "abräumen.\n"
                   "\n"
                   "  -h, --help     diese Hilfe zeigen und beenden\n"
                   "  -v, --version  Namen und Version zeigen und beenden\n"
                   "\n"
                   "Ohne Option startet das Spiel. Ein unbekanntes Argument wird gemeldet und\n"
                   "übergangen; die allgemeinen Qt-Optionen (etwa -style) wirken wie gewohnt.\n"
                   "\n"
                   "Das Spiel spricht Deutsch, Englisch und Französisch, in der Sprache des\n"
                   "Desktops (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Eine andere wählt etwa:\n"
                   "  LANGUAGE=en brimbal\n"))
        .toStdString();
}

std::string VersionText() {
    const TBuiltInVersion version;
    const QString block = TBuiltInVersion::Block();
    const QString name = version.Query(block, QStringLiteral("ProductName")).value_or(QString());
    const QString number = version.Query(block, QStringLiteral("FileVersion")).value_or(QString());
    return (name + QLatin1Char(' ') + number).toStdString();
}

std::string UnknownArgumentText(const std::string& argument) {
    return TranslateEarly("CommandLine",
                          QT_TRANSLATE_NOOP("CommandLine",
                                            "brimbal: unbekanntes Argument „%1“ wird übergangen"))
        .arg(QString::fromLocal8Bit(argument.c_str()))
        .toStdString();
}

std::optional<int> RunCommandLine(int argc, const char* const* argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    switch (ParseCommandLine(arguments)) {
    case TCommand::Help:
        std::fputs(HelpText().c_str(), stdout);
        return 0;
    case TCommand::Version:
        std::fputs((VersionText() + "\n").c_str(), stdout);
        return 0;
    case TCommand::Start:
        break;
    }
    return std::nullopt;
}

void ReportUnknownArguments(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        std::fputs((UnknownArgumentText(argv[i]) + "\n").c_str(), stderr);
    }
}

} // namespace brimbal
