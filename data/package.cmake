# The Debian package: `cpack -G DEB` in the build folder makes quillmere_<version>_<arch>.deb
# from the install rules.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmere)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quillmere developers")
set(CPACK_PACKAGE_CONTACT ${QUILLMERE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian ships binaries without their debugging sections.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUILLMERE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUILLMERE_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries' packages, as dpkg-shlibdeps finds them from the programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Chinese captions need a CJK font; Qt's translations give its own dialogs Chinese buttons;
# xdg-open opens a written document.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei, qt6-translations-l10n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer")
# The synopsis, then the long description; CPack indents its lines and marks the blank one.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic worksheets for primary school")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillmere composes arithmetic worksheets for primary-school teachers and
parents: random exercises under the chosen settings (oral, estimation,
vertical and step-by-step calculation, equations, fill-in, simplified
calculation, unit conversion; whole numbers, decimals, fractions and
percentages; operations, number range, grade, count and layout), written as
Word documents (.docx) laid out as a table, with a second document for the
answers.

Sets are kept in a history to be written again later, and pupils can answer
a set on screen with a score and a clock. The interface is Chinese. Besides
the window there is a command line, quillmere generate, for scripts.")
# Directories in the package as Debian has them, whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
