# The .deb that `cpack -G DEB` builds in the build folder. Only what has an install rule goes
# in, so the test and benchmark programs stay out.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tombolix)
set(CPACK_PACKAGE_VENDOR "Orvanel")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tombolix maintainers <${TOMBOLIX_MAINTAINER_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom picker that draws a student by class number")
# Debian shows the long description as written, so the lines are wrapped here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "The teacher presses Random! and the program counts through the class numbers"
  "on a large label, stops on the picked number, flashes the window and shows"
  "the student's name from a roster file. A random pick never repeats a number"
  "until every number in the class has had its turn."
  ""
  "The class size and the roster come from rand.ini and a tab-separated text"
  "file in UTF-8, UTF-16 or Big5, as a spreadsheet saves it, or the workbook"
  "itself (.xlsx, .xlsm or .ods).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Independent of the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# A package built on Debian 12 installs on 12 and 13, one built on 13 needs 13's libraries: the
# release it was built on is in its version and file name, as in 1.0.0.56-1~deb12.
cmake_host_system_information(RESULT TOMBOLIX_DEBIAN_RELEASE QUERY DISTRIB_VERSION_ID)
cmake_host_system_information(RESULT TOMBOLIX_DEBIAN_CODENAME QUERY DISTRIB_VERSION_CODENAME)
string(REGEX MATCH "^[0-9]+" TOMBOLIX_DEBIAN_RELEASE "${TOMBOLIX_DEBIAN_RELEASE}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
if(TOMBOLIX_DEBIAN_RELEASE)
  string(APPEND CPACK_DEBIAN_PACKAGE_RELEASE "~deb${TOMBOLIX_DEBIAN_RELEASE}")
endif()
if(NOT TOMBOLIX_DEBIAN_CODENAME)
  set(TOMBOLIX_DEBIAN_CODENAME unstable)
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TOMBOLIX_WEB_ADDRESS})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's libraries only recommend their platform plugins, but without one the window cannot open.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The names and messages are Traditional Chinese, in the fonts the window asks for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-arphic-ukai, fonts-arphic-uming")

include(CPack)
