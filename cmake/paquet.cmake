# The Debian package, made by `cpack -G DEB` in a build folder (scripts/paquet
# configures one for /usr). Its dependencies come from the shared libraries
# the program and its sound module link, read by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelund)
set(CPACK_PACKAGE_VENDOR "Zelund")
set(CPACK_PACKAGE_CONTACT "Zelund + <zelund@localhost>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "jour de la semaine, phases de la Lune, Pâques et jours fériés")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "jour de la semaine, phases de la Lune, Pâques et jours fériés
 Zelund + est un petit utilitaire de calendrier en français : le jour de la
 semaine de toute date, la phase de la Lune, le temps écoulé entre deux dates,
 Pâques et les jours fériés, un calendrier perpétuel, une horloge, des comptes
 à rebours et un tirage de loterie. Il exporte les jours fériés, les phases de
 la Lune et les saisons au format iCalendar.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins rather than linked: Qt's SVG icon engine draws the icons.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# The fonts the windows' faces stand in for, Qt's own French texts and the
# help viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "fonts-liberation, fonts-liberation2, fonts-dejavu-core, fonts-comic-neue, qt6-translations-l10n, xdg-utils")
set(CPACK_STRIP_FILES ON)
# Installing and packaging take what is built and build nothing: the
# package's test runs cpack in a tree whose tests are running.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
