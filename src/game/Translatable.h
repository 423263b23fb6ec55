// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

// Marks a text of a table for the translation tools, which find the macro by its name; the text
// itself stays as it stands. Qt defines the macro the same way, so either may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
