# Installation (`make install`, `cmake --install`) and the Debian package (`make package`).
#
#   <prefix>/bin/kosmira, <prefix>/bin/kosmira-almanac
#   <prefix>/share/kosmira/{data,images,home}        run-time files (found as ../share/kosmira)
#   <prefix>/share/applications/org.kosmira.Kosmira.desktop
#   <prefix>/share/metainfo/org.kosmira.Kosmira.metainfo.xml
#   <prefix>/share/icons/hicolor/<n>x<n>/apps/org.kosmira.Kosmira.png, scalable/apps/….svg
#   <prefix>/share/man/man1/kosmira.1.gz, kosmira-almanac.1.gz
#   <prefix>/share/doc/kosmira/copyright, changelog.gz
#
# CMAKE_INSTALL_PREFIX sets the prefix (default /usr/local); DESTDIR is honoured.

include(GNUInstallDirs)

set(KOSMIRA_DESKTOP_ID org.kosmira.Kosmira)
set(KOSMIRA_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(KOSMIRA_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/kosmira)
# Named after the package, whatever the project's name.
set(KOSMIRA_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/kosmira)

# The program finds its files as ../share/kosmira beside its bin folder.
file(RELATIVE_PATH _kosmira_share_from_bin
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${KOSMIRA_SHARE_DIR})
if(NOT _kosmira_share_from_bin STREQUAL "../share/kosmira")
  message(WARNING "Kosmira looks for its files in ../share/kosmira relative to its executable; "
                  "with bin in ${CMAKE_INSTALL_BINDIR} and data in ${KOSMIRA_SHARE_DIR} "
                  "the installed program will not find them.")
endif()

# Icons of the hicolor theme, drawn by the same code as the window icon.
set(KOSMIRA_ICON_SIZES 16 22 24 32 48 64 128 256)
set(_kosmira_icon_dir ${CMAKE_BINARY_DIR}/icons/hicolor)
set(_kosmira_icon_files)
foreach(size IN LISTS KOSMIRA_ICON_SIZES)
  list(APPEND _kosmira_icon_files ${_kosmira_icon_dir}/${size}x${size}/apps/${KOSMIRA_DESKTOP_ID}.png)
endforeach()
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(kosmira_themeicons ${KOSMIRA_PACKAGING_DIR}/themeicons.cpp
                                  ${PROJECT_SOURCE_DIR}/src/app/kosmiraicon.cpp)
target_include_directories(kosmira_themeicons PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(kosmira_themeicons PRIVATE Qt6::Gui)
add_custom_command(OUTPUT ${_kosmira_icon_files}
  COMMAND kosmira_themeicons ${_kosmira_icon_dir} ${KOSMIRA_DESKTOP_ID} ${KOSMIRA_ICON_SIZES}
  DEPENDS kosmira_themeicons
  COMMENT "Drawing the icons of the hicolor theme")

# Manual pages and the changelog, compressed as Debian wants them (no name, no time stamp).
set(_kosmira_gz_files)
foreach(doc kosmira.1 kosmira-almanac.1 changelog)
  set(_out ${CMAKE_BINARY_DIR}/packaging/${doc}.gz)
  add_custom_command(OUTPUT ${_out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND ${CMAKE_COMMAND} -E copy ${KOSMIRA_PACKAGING_DIR}/${doc} ${CMAKE_BINARY_DIR}/packaging/${doc}
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/${doc}
    DEPENDS ${KOSMIRA_PACKAGING_DIR}/${doc}
    COMMENT "Compressing ${doc}")
  list(APPEND _kosmira_gz_files ${_out})
endforeach()
add_custom_target(kosmira_install_files ALL DEPENDS ${_kosmira_icon_files} ${_kosmira_gz_files})

install(TARGETS kosmira RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data ${PROJECT_SOURCE_DIR}/images ${PROJECT_SOURCE_DIR}/home
        DESTINATION ${KOSMIRA_SHARE_DIR}
        PATTERN "README.md" EXCLUDE)
install(FILES ${KOSMIRA_PACKAGING_DIR}/${KOSMIRA_DESKTOP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KOSMIRA_PACKAGING_DIR}/${KOSMIRA_DESKTOP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${_kosmira_icon_dir} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${KOSMIRA_PACKAGING_DIR}/${KOSMIRA_DESKTOP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_BINARY_DIR}/packaging/kosmira.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KOSMIRA_PACKAGING_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${KOSMIRA_DOC_DIR})

# The command-line program comes from its own folder; its rules are added once the whole
# tree is configured, so they hold whichever order the folders are added in.
function(kosmira_install_almanac)
  if(TARGET kosmira-almanac)
    install(TARGETS kosmira-almanac RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_BINARY_DIR}/packaging/kosmira-almanac.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endfunction()
cmake_language(DEFER CALL kosmira_install_almanac)

# Debian package: build/kosmira_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kosmira)
set(CPACK_PACKAGE_VENDOR "Kosmira developers")
set(CPACK_PACKAGE_CONTACT "Kosmira developers <maintainers@kosmira.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_HOMEPAGE_URL "https://kosmira.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "planetarium and astronomical calendar for amateur observers")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${KOSMIRA_PACKAGING_DIR}/description.txt)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kosmira developers <maintainers@kosmira.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Run-time needs no library shows: the Qt platform plugin and the fonts the program names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-nanum, fonts-liberation2, tzdata")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)

# Checks of the packaging files that need no package: the scalable icon against the drawn one.
if(KOSMIRA_TESTS)
  find_package(Qt6 QUIET COMPONENTS Svg)
  if(Qt6Svg_FOUND)
    kosmira_test(packaging_tests LABEL unit
      SOURCES ${PROJECT_SOURCE_DIR}/tests/packaging/icon_test.cpp
              ${PROJECT_SOURCE_DIR}/src/app/kosmiraicon.cpp
      LIBS Qt6::Svg Qt6::Gui)
    if(TARGET packaging_tests)
      target_include_directories(packaging_tests PRIVATE ${PROJECT_SOURCE_DIR}/src)
    endif()
  else()
    message(WARNING "Qt 6 Svg not found: the scalable icon is not checked")
  endif()
endif()
