# The Debian package: "cpack -G DEB" in the build tree (tools/dev package)
# writes corvalen_<version>_<architecture>.deb.

set(CORVALEN_PACKAGE_MAINTAINER "Corvalen maintainers <maintainers@corvalen.example>"
    CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvalen)
set(CPACK_PACKAGE_VENDOR Orvessa)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "great-circle distance between two points")
set(CPACK_PACKAGE_DESCRIPTION "Corvalen shows the great-circle distance between two points on the\n\
Earth while they are typed, each as latitude and longitude in decimal\n\
degrees.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CORVALEN_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The libraries come from dpkg-shlibdeps; the style sheet's look needs a CJK
# face that carries Latin and Chinese alike (see app/sheetfont.h).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk")
include(CPack)
