// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QSettings>

class QIODevice;

namespace brimbal {

// The settings file where there is no registry: an INI file, "[General]" for the values of the
// key and one section for each subkey ("[Highscore]"), written as QSettings writes INI files.
// Reading goes line by line, so that a broken line (junk, binary bytes, an unterminated quote
// or section name) costs only itself, and every value is handed back as text: nothing in the
// file is ever turned into an object.
QSettings::Format ConfFormat();

// The reader and writer behind ConfFormat().
bool ReadConfFile(QIODevice& device, QSettings::SettingsMap& map);
bool WriteConfFile(QIODevice& device, const QSettings::SettingsMap& map);

} // namespace brimbal
