# Installation and the Debian package. The program folder is the executable's folder, so the
# executables, "System" and the samples go into one folder, <prefix>/lib/quorvalen; <prefix>/bin
# holds links to the executables (the program follows a link to its real folder) and the
# desktop entry starts the window.
set(QV_INSTALL_DIR lib/quorvalen)

install(TARGETS quorvalen-cli RUNTIME DESTINATION ${QV_INSTALL_DIR})
set(qv_linked quorvalen-cli)
if(QV_BUILD_GUI)
  install(TARGETS quorvalen RUNTIME DESTINATION ${QV_INSTALL_DIR})
  list(APPEND qv_linked quorvalen)
  install(FILES ${PROJECT_SOURCE_DIR}/data/quorvalen.desktop DESTINATION share/applications)
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/System ${PROJECT_SOURCE_DIR}/samples
        DESTINATION ${QV_INSTALL_DIR})
foreach(program IN LISTS qv_linked)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${QV_INSTALL_DIR}/${program} \"\${bin}/${program}\" SYMBOLIC)")
endforeach()

set(CPACK_PACKAGE_NAME quorvalen)
set(CPACK_PACKAGE_VENDOR "Quorvalen")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converter for NC part programs of sheet-metal machines")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvalen developers <quorvalen@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The libraries the executables link (Qt, the C++ runtime) become the package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(QV_BUILD_GUI)
  # The window needs Qt's platform plugins (only recommended by Qt itself), a Japanese font and
  # Qt's Japanese texts for its own buttons and file dialogs.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, qt6-translations-l10n")
endif()
include(CPack)
