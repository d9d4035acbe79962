# `cpack -G DEB` in the build folder: the whole program folder under /usr/lib/zep, the
# programs on the PATH, the desktop entry and the MIME type. The designer keeps its
# writable files in a folder of each user's when /usr/lib/zep is read-only.

set(ZEP_INSTALL_FOLDER lib/zep)

install(DIRECTORY ${ZEP_PROGRAM_DIR}/ DESTINATION ${ZEP_INSTALL_FOLDER} USE_SOURCE_PERMISSIONS
  PATTERN tmp EXCLUDE
  PATTERN "*.ini" EXCLUDE)

set(links_dir ${CMAKE_BINARY_DIR}/package-links)
file(MAKE_DIRECTORY ${links_dir})
foreach(program zep zepc)
  file(CREATE_LINK ../${ZEP_INSTALL_FOLDER}/${program} ${links_dir}/${program} SYMBOLIC)
  install(FILES ${links_dir}/${program} DESTINATION bin)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/zep.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/x-zep.xml DESTINATION share/mime/packages)

set(CPACK_PACKAGE_NAME zep)
set(CPACK_PACKAGE_VENDOR "ZEP")
set(CPACK_PACKAGE_CONTACT "ZEP <contact@zep.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Designer of the start-up menus of CDs and USB sticks")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_GENERATOR DEB)
include(CPack)
