# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Loaded by Orca from the preferences folder that speech.sh gives it: speech goes to the speech
# log of speechlog.py beside this file instead of a speech synthesizer.
import orca.settings

orca.settings.speechServerFactory = "speechlog"
orca.settings.speechFactoryModules = ["speechlog"]
