# cpack -G DEB: a Debian package of the installed layout, its library
# dependencies worked out by dpkg-shlibdeps (from dpkg-dev).
set(CPACK_PACKAGE_NAME photoalbum)
set(CPACK_PACKAGE_VENDOR "Photo Album Generator developers")
set(CPACK_PACKAGE_CONTACT "Photo Album Generator developers <photoalbum@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make static HTML photo albums from folders of JPEG photos")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A wizard (photoalbum, in Russian: Генератор фотоальбома) and a command-line"
  "tool (photoalbum-make) that turn a folder of JPEG photographs into a small"
  "static HTML photo album: an index page, one page per photo with home, back"
  "and forward buttons, and optional thumbnails, all in one folder that opens"
  "from disk or from any web server. The pages are in Russian, in the"
  "Windows-1251 code page. Optionally a modern album for phones, tablets and"
  "sharp screens: HTML5 pages, photos at several widths in WebP and JPEG, up"
  "to 10,000 photos.")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
