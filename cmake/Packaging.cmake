# `cpack -G DEB` in a build directory makes ortambra_<version>_<arch>.deb; apt-get resolves the
# libraries that dpkg-shlibdeps finds (needs dpkg-dev and file). Package a release build: an
# ASan build would depend on the sanitizer runtimes.
set(CPACK_PACKAGE_NAME ortambra)
set(CPACK_PACKAGE_VENDOR "Ortambra maintainers")
set(CPACK_PACKAGE_CONTACT "Ortambra maintainers <maintainers@ortambra.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "number-series game for primary-school pupils")
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Recommended, not required: without them the game runs with Qt's English button texts and the
# printed report falls back from Arial's metric twin to another sans-serif font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, qt6-translations-l10n")
# The summary above is the synopsis line; this is the extended description below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Each exercise of Ortambra shows six whole numbers built by repeating a short
rhythm of sums or products; one of them is hidden and the pupil types it in.
The difficulty and the size of the steps are chosen in the menus; a
facilitated mode offers partial help or the solution, a small calculator
helps with the arithmetic, and the results can be reviewed or printed.
The interface is in Italian.")

include(CPack)
