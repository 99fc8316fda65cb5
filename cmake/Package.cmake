# `make package` (the target `package`): a Debian package of the program,
# installed under /usr. Its dependencies are those of the shared libraries the
# program links (dpkg-shlibdeps), Qt's platform plugins, which it loads rather
# than links, and a font with Japanese and Chinese characters.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME curvilinearscope)
set(CPACK_PACKAGE_VENDOR Orvandel)
set(CPACK_PACKAGE_CONTACT "Orvandel <curvilinearscope@orvandel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Draws graphs of formulas in the plane and in space")
set(CPACK_PACKAGE_DESCRIPTION
  "Curvilinearscope draws up to three formulas at once, explicit or parametric,\n"
  "as a plane picture or a turnable space picture, and keeps them in .crv files.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.orvandel.example/curvilinearscope/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# With DESTDIR set the install steps take this prefix, not the build's.
set(CPACK_INSTALL_PREFIX /usr)
# The install steps see DESTDIR set, and so leave the system's MIME and
# desktop databases to the package tools.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-utils: Help opens the manual with xdg-open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk | fonts-wqy-microhei, xdg-utils")
# Qt's own dialogs in Japanese and Chinese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
