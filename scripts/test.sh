#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
#
# Installs what is missing, builds Brimbal and runs every test.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  AddressSanitizer and UndefinedBehaviorSanitizer build in build-sanitize/,
#                               then the search's test with ThreadSanitizer in build-tsan/
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

mode="${1:-}"
if [ -n "$mode" ] && [ "$mode" != "--sanitize" ]; then
    echo "usage: scripts/test.sh [--sanitize]" >&2
    exit 2
fi

build_dir=$(scripts/build.sh $mode)

if [ "$mode" = "--sanitize" ]; then
    # Any sanitizer report ends the test process with an error, so ctest sees it fail.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:exitcode=23:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=24"
    export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
fi

ctest --test-dir "$build_dir" --output-on-failure --timeout 600

if [ "$mode" = "--sanitize" ]; then
    # The search shares a level's boards out to threads of its own. Its test under
    # ThreadSanitizer; the other tests use Qt's threads, which are not built for it.
    tsan_dir=$(scripts/build.sh --threads tst_search)
    TSAN_OPTIONS="halt_on_error=1:exitcode=25" \
        ctest --test-dir "$tsan_dir" -R '^tst_search$' --output-on-failure --timeout 600
fi
