# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh) makes
# festoon_<version>_<architecture>.deb, installing under /usr what `cmake --install` installs, with the
# libraries it needs found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME festoon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Festoon developers")
set(CPACK_PACKAGE_CONTACT "The Festoon developers <developers@festoon.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "photo decorator with frames, masks, cartoons and flowers")
set(CPACK_PACKAGE_DESCRIPTION
    "Festoon puts photos on a full-screen canvas and dresses them with ready-made artwork: masks that cut a
photo into a shape, frames laid over the backdrop, cartoons, flowers, speech balloons and lettering. Every
piece can be moved, resized, copied and deleted with the mouse; the finished card is saved as a JPEG or
BMP picture, exported at the photos' full resolution as JPEG, PNG or PDF, or printed. Photos may be JPEG
(turned upright by their EXIF orientation), PNG, WebP, TIFF, GIF or BMP.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # festoon_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://festoon.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the PNG, WebP, TIFF and GIF readers as plugins at run time, where dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins")
# Help opens through xdg-open, in a CHM viewer where one is installed and otherwise in the browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm")
# Only the program is packaged: tests, benchmarks and tools install nothing.
set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
