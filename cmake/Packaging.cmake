# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# `cpack -G DEB` in the build folder makes korvalin_<version>_<arch>.deb from the install rules.
set(CPACK_PACKAGE_NAME korvalin)
set(CPACK_PACKAGE_VENDOR "Korvalin")
# The maintainer is a build option: a distribution puts its own name and address there.
set(CPACK_PACKAGE_CONTACT "${KORVALIN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Créer et imprimer des étiquettes de disquettes 3,5 pouces")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Korvalin compose les étiquettes autocollantes des disquettes 3,5 pouces (trois\n"
       "zones de texte et une image) et les imprime une à une ou en série numérotée sur\n"
       "des feuilles de dix, dans la fenêtre ou en ligne de commande. Une page\n"
       "d'étalonnage donne les marges à régler pour chaque imprimante.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped of debugging symbols, then of the compiler's notes (strip-package.cmake).
set(CPACK_STRIP_FILES TRUE)
set(CPACK_KORVALIN_STRIP "${CMAKE_STRIP}")
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip-package.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries it links come from dpkg-shlibdeps; the fonts its labels name do not, nor
# Qt's SVG plugins, which read SVG pictures and draw the windows' pictures at sizes the
# build did not render.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-comic-neue, libqt6svg6")
# The French words of Qt's own dialogs ("Oui", "Annuler").
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
