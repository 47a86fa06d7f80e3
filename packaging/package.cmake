# The Debian package: the two programs, the desktop entry, the model-file type
# with its magic, the icon (SVG and PNGs at the hicolor sizes, rendered from
# the SVG at build time), the AppStream metainfo, the manual pages, the bash
# completion, the help pages and the README.
#   cmake --build build --target package   ->  build/zorvan_<version>_<arch>.deb

add_executable(zorvan_icon packaging/render_icon.cpp)
target_link_libraries(zorvan_icon PRIVATE Qt6::Gui Qt6::Svg)
set(ZORVAN_ICON_SIZES 16 22 24 32 48 64 128 256)
set(ZORVAN_ICON_PNGS)
foreach(size ${ZORVAN_ICON_SIZES})
  set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/zorvan.png)
  list(APPEND ZORVAN_ICON_PNGS ${png})
  install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_command(OUTPUT ${ZORVAN_ICON_PNGS}
                   COMMAND zorvan_icon ${CMAKE_CURRENT_SOURCE_DIR}/packaging/zorvan.svg ${CMAKE_BINARY_DIR}/icons
                           ${ZORVAN_ICON_SIZES}
                   DEPENDS zorvan_icon packaging/zorvan.svg)
add_custom_target(zorvan_icons ALL DEPENDS ${ZORVAN_ICON_PNGS})

install(FILES packaging/zorvan.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/io.github.zorvan.Zorvan.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES packaging/zorvan.1 packaging/zorvan-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/zorvan-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME zorvan-cli)
install(DIRECTORY docs/help/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/help)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/pictures/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs/pictures)  # the README's pictures

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvan)
set(CPACK_PACKAGE_VENDOR "ZORVAN")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "kinematic and dynamic design of reciprocating piston engines and compressors")
# One string: two would be a list, and its ";" would show in the description.
set(CPACK_PACKAGE_DESCRIPTION
    "ZORVAN designs engines and compressors built from slider-crank cylinders: motion, forces, torques,\n\
shaking forces and moments, balance, counterweight and flywheel sizing, plots, tables and reports.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "ZORVAN developers <zorvan@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
if(ZORVAN_PYTHON_BUILT)  # the module is built for one Python version
  math(EXPR next "${Python3_VERSION_MINOR} + 1")
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", python3 (>= ${Python3_VERSION_MAJOR}.${Python3_VERSION_MINOR}~), "
         "python3 (<< ${Python3_VERSION_MAJOR}.${next}), python3-numpy")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_CURRENT_SOURCE_DIR}/packaging/debian/postinst ${CMAKE_CURRENT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
