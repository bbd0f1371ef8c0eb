# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder makes
# vorantel_<version>_<arch>.deb from the install rules.
set(CPACK_PACKAGE_NAME vorantel)
set(CPACK_PACKAGE_VENDOR "The Vorantel developers")
set(CPACK_PACKAGE_CONTACT "The Vorantel developers <vorantel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "exact calculator for school algebra and calculus")
set(CPACK_PACKAGE_DESCRIPTION
    "Vorantel is a desktop calculator for secondary-school algebra and calculus
with a Japanese user interface. A launcher opens twelve tool windows:
arithmetic and factoring of polynomials, linear systems, quadratic and
higher equations, indefinite equations, division points, derivatives,
tangents and extrema, definite integrals, permutations and combinations,
and sums.

Every answer is exact: fractions, square roots and integers of up to
500 digits.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links are found by dpkg-shlibdeps; what it loads
# at run time is named here: FLINT where it is loaded on the first
# calculation, the platform plugins that open its windows, the SVG icon
# engine that draws its icon, and the fonts its layout is made for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, libqt6svg6, fonts-ipafont-gothic, fonts-ipafont-mincho, fonts-texgyre")
if(VORANTEL_FLINT_PACKAGE)
    string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "${VORANTEL_FLINT_PACKAGE}, ")
endif()
# Qt's own texts (a field's right-click menu) in the system's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
