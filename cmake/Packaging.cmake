# Install layout and packages. Each program keeps ReadMe.htm beside it: the program's own folder
# is where it looks for its help page, its settings file and the code tables.
if(WIN32)
  set(FW_INSTALL_APPDIR "." CACHE STRING "Folder of the programs and their help page")
else()
  set(FW_INSTALL_APPDIR "lib/fleetwright" CACHE STRING "Folder of the programs and their help page")
endif()

set(fw_programs fleetwright-cli)
if(TARGET fleetwright)
  list(APPEND fw_programs fleetwright)
endif()
install(TARGETS ${fw_programs} RUNTIME DESTINATION ${FW_INSTALL_APPDIR})
if(EXISTS "${PROJECT_SOURCE_DIR}/src/shell/ReadMe.htm")
  install(FILES "${PROJECT_SOURCE_DIR}/src/shell/ReadMe.htm" DESTINATION ${FW_INSTALL_APPDIR})
endif()

if(NOT WIN32)
  # Commands on the PATH are links; the programs resolve them and still find their own folder.
  file(RELATIVE_PATH fw_link_target "/prefix/bin" "/prefix/${FW_INSTALL_APPDIR}")
  foreach(program IN LISTS fw_programs)
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/path-links")
    file(CREATE_LINK "${fw_link_target}/${program}" "${CMAKE_BINARY_DIR}/path-links/${program}"
         SYMBOLIC)
    install(FILES "${CMAKE_BINARY_DIR}/path-links/${program}" DESTINATION bin)
  endforeach()
  if(TARGET fleetwright)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/fleetwright.desktop" DESTINATION share/applications)
    install(FILES "${PROJECT_SOURCE_DIR}/packaging/fleetwright.svg"
            DESTINATION share/icons/hicolor/scalable/apps)
  endif()
endif()

set(CPACK_PACKAGE_NAME fleetwright)
set(CPACK_PACKAGE_VENDOR Fleetwright)
set(CPACK_PACKAGE_CONTACT "Fleetwright maintainers <maintainers@fleetwright.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sorts, merges and renumbers AI air-traffic files")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
if(WIN32)
  # A zip of the programs and their help page, unpacked anywhere and run from there.
  set(CPACK_GENERATOR ZIP)
  if(TARGET fleetwright)
    set(CPACK_PACKAGE_FILE_NAME "fleetwright-${PROJECT_VERSION}-windows-x64")
  else()
    set(CPACK_PACKAGE_FILE_NAME "fleetwright-cli-${PROJECT_VERSION}-windows-x64")
  endif()
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  # The library packages the programs link against, as dpkg-shlibdeps finds them.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Qt's platform plugins are only recommended by its libraries, and the window program cannot
  # start without them.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)
