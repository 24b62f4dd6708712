# The Debian package, made from a build tree with: cpack -G DEB
# It holds what cmake --install puts under /usr, with the binaries stripped, and depends on the
# libraries the binaries link (dpkg-shlibdeps, package dpkg-dev). Its version is the release the
# program shows.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calvantis)
set(CPACK_PACKAGE_VERSION ${CLVT_RELEASE})
set(CPACK_PACKAGE_VENDOR "Vostrel Systems")
set(CPACK_PACKAGE_CONTACT "Vostrel Systems <calvantis@vostrel-systems.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "date calculator for the Gregorian, Julian and Dee calendars")
set(CPACK_PACKAGE_DESCRIPTION
"Calvantis converts a date given in one calendar into the same day in the
proleptic Gregorian and Julian calendars and the Dee calendar, a solar
calendar with 8 leap years in every cycle of 33 years, and shows its Julian
day number and day of the week. It adds or subtracts years, months, weeks and
days, lists runs of days side by side in two calendars and tabulates the
instant of the March equinox for runs of years.
.
The package holds the desktop program calvantis and the command-line tool
clvt, which prints what the windows show.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.vostrel-systems.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Qt libraries only recommend the xcb platform plugin, without which the desktop program
# cannot open a window; dpkg-shlibdeps adds the libraries the binaries link.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The windows are laid out for the metrics of Arial and Courier New, which the Liberation fonts
# share; the web links open the browser through xdg-open.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2 | fonts-liberation, xdg-utils")
# Folders that the system owns keep its permissions in the package.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Debian's packages leave out .comment, the compilers' version strings, which strip keeps. CPack
# strips, so an install that strips does the same.
set(clvt_strip_comment [[
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(program clvt calvantis)
      set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/@CMAKE_INSTALL_BINDIR@/${program}")
      if(EXISTS "${file}")
        execute_process(COMMAND "@CMAKE_OBJCOPY@" --remove-section=.comment "${file}"
          COMMAND_ERROR_IS_FATAL ANY)
      endif()
    endforeach()
  endif()
]])
string(CONFIGURE "${clvt_strip_comment}" clvt_strip_comment @ONLY)
install(CODE "${clvt_strip_comment}")

# The lintian tags the package carries on purpose, each with its reason.
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/lintian-overrides
  DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME calvantis)
