# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: The Brimbal authors
# The Debian package, brimbal_1.5.0.0_amd64.deb, made by CPack's DEB generator. scripts/package.sh
# builds it from a build directory of its own, configured with BRIMBAL_DEBIAN_PACKAGE.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brimbal)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Brimbal authors")
set(CPACK_PACKAGE_CONTACT "The Brimbal authors <brimbal@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: clear away groups of balls of one colour")
set(CPACK_PACKAGE_DESCRIPTION [[
Brimbal is a puzzle game for one player, with a user interface in German,
English and French. The board holds eleven by eleven balls in five colours.
A click marks the group of equal balls that touch the ball under the pointer;
a second click removes the group and scores more, the larger it is. Balls
above a gap fall down and emptied columns close up. The game ends when no
group of two or more is left; the best ten games of each game mode go into a
high score table.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links, found by dpkg-shlibdeps; and what no library pulls in: the
# fonts the board's text is measured with, Qt's own texts in German and French and the platform
# plugins that put the window on the screen.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, qt6-qpa-plugins")
# A proportional font for menus and dialogs: with fonts-liberation alone, fontconfig answers
# Liberation Mono for sans-serif. Every desktop installation has it already.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")

include(CPack)
