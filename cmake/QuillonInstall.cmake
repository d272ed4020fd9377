# Installing Quillon like a desktop program, and its Debian package.
#   cmake --install build --prefix PREFIX
#     PREFIX/bin/quillon                     the program (Quillon in the build tree)
#     PREFIX/share/quillon/                  language files and help texts (data/)
#     PREFIX/share/applications/             the desktop entry
#     PREFIX/share/metainfo/                 AppStream metainfo
#     PREFIX/share/icons/hicolor/*/apps/     the icon: SVG and PNG sizes
#     PREFIX/share/man/man1/quillon.1.gz     the man page
#   cd build && cpack -G DEB                 quillon_VERSION_ARCH.deb for /usr
include(GNUInstallDirs)

set(QUILLON_APP_ID io.github.quillon.Quillon)
set(QUILLON_INSTALL_DATA ${CMAKE_INSTALL_DATADIR}/quillon)

# The installed program finds its data relative to its own folder, so the
# whole tree may move to another prefix (see AppPaths).
file(RELATIVE_PATH QUILLON_DATA_FROM_BIN /p/${CMAKE_INSTALL_BINDIR} /p/${QUILLON_INSTALL_DATA})
target_compile_definitions(quillon_core_base PRIVATE QUILLON_DATA_FROM_BIN="${QUILLON_DATA_FROM_BIN}")

set(gen ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/packaging/${QUILLON_APP_ID}.metainfo.xml ${gen}/${QUILLON_APP_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/quillon.1 ${gen}/quillon.1 @ONLY)

# Debian keeps man pages compressed; -n leaves the time out, so the bytes stay the same.
add_custom_command(OUTPUT ${gen}/quillon.1.gz
  COMMAND gzip -9nc ${gen}/quillon.1 > ${gen}/quillon.1.gz
  DEPENDS ${gen}/quillon.1 ${CMAKE_SOURCE_DIR}/packaging/quillon.1
  COMMENT "Compressing the man page")

# PNG sizes of the icon for desktops and menus that take no SVG.
set(QUILLON_ICON_SVG ${CMAKE_SOURCE_DIR}/data/icons/quillon.svg)
set(QUILLON_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(QUILLON_RSVG rsvg-convert)
set(pngs)
if(QUILLON_RSVG)
  foreach(size ${QUILLON_ICON_SIZES})
    set(png ${gen}/icons/${size}x${size}/${QUILLON_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${gen}/icons/${size}x${size}
      COMMAND ${QUILLON_RSVG} -w ${size} -h ${size} -o ${png} ${QUILLON_ICON_SVG}
      DEPENDS ${QUILLON_ICON_SVG}
      COMMENT "Rendering the ${size}x${size} icon")
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(WARNING "rsvg-convert (Debian: librsvg2-bin) not found: the icon is installed as SVG only")
endif()
add_custom_target(quillon_packaging ALL DEPENDS ${gen}/quillon.1.gz ${pngs})

install(PROGRAMS $<TARGET_FILE:Quillon> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME quillon)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${QUILLON_INSTALL_DATA} PATTERN icons EXCLUDE)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/${QUILLON_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${gen}/${QUILLON_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${QUILLON_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${QUILLON_APP_ID}.svg)
install(FILES ${gen}/quillon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillon)

# The Debian package: dpkg-shlibdeps works out the library dependencies.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon)
set(CPACK_PACKAGE_VENDOR "The Quillon developers")
set(CPACK_PACKAGE_CONTACT "The Quillon developers <quillon@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "read-only viewer for Japanese text files")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "read-only viewer for Japanese text files
 Quillon detects the character code of a text file (Shift_JIS, JIS, EUC-JP,
 UTF-7, UTF-8, UTF-16) and its line ends, and shows it read-only. It searches
 files and folders, shows a hex dump of any file, opens CSV files as a grid,
 and keeps keys, history and reading positions per user.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
