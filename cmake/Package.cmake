# The Debian package, made by CPack from every install rule of the project:
# each program installed into bin/ (whatever folder installs it), the data,
# the translations and the help. Added here: the desktop entry and icons,
# links to the programs in /usr/bin, the manual pages and the documents
# Debian asks for. Include this file last, after every folder that installs
# something.
#
#   cmake --build build --target package     (or scripts/package.sh)

set(BREVALON_MAINTAINER "Zendrik Support <support@zendrik.example>")
configure_file(${CMAKE_SOURCE_DIR}/share/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/system-install.cmake.in ${CMAKE_BINARY_DIR}/debian/system-install.cmake @ONLY)
# Runs at install time; it adds its files only for an install into the
# system's folder /opt/zendrik (the package, or "cmake --install" as root),
# never for a private one such as the demo's.
install(SCRIPT ${CMAKE_BINARY_DIR}/debian/system-install.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brevalon)
set(CPACK_PACKAGE_VENDOR Zendrik)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${BREVALON_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "point of sale and back office for restaurants and shops")
# The summary is the synopsis; CPack indents the lines below and turns the
# empty one into the paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Brevalon is the till of a restaurant or a shop: sales by code, bar code or
touch buttons, tables and kitchen dockets, payments, receipts and invoices
on slip and page printers, client accounts, cash-up and month end, stock,
reports and a database backup. Several tills share one MariaDB database;
a single till can keep its shop in SQLite.

brevalon-db prepares the database (on a shared MariaDB server: the
database and the tills' user) and configures each till.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zendrik.example/brevalon")
# The libraries the programs link (Qt, libcurl, libqrencode, and those of
# any program added later) are found by dpkg-shlibdeps; what is loaded at
# run time is named here: the database drivers, the platform plug-ins of a
# desktop and the spooler's commands.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-mysql, libqt6sql6-sqlite, qt6-qpa-plugins, cups-client")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "assistant-qt6, qt6-translations-l10n, xdg-utils, mariadb-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "mariadb-server")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /opt/zendrik)
# Install with DESTDIR, so that the files outside the prefix (desktop entry,
# icons, /usr/bin links) land in the package too.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /opt/zendrik)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
