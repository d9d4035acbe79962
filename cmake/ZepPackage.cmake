# `cpack -G DEB` in the build folder: the whole program folder under /usr/lib/zep, the
# programs on the PATH, the desktop entry and the MIME type. The designer keeps its
# writable files in a folder of each user's when /usr/lib/zep is read-only.

set(ZEP_INSTALL_FOLDER lib/zep)

install(DIRECTORY ${ZEP_PROGRAM_DIR}/ DESTINATION ${ZEP_INSTALL_FOLDER} USE_SOURCE_PERMISSIONS
  PATTERN tmp EXCLUDE
  PATTERN "*.ini" EXCLUDE
  PATTERN "*.debug" EXCLUDE)
# The programs come from a folder, which CPACK_STRIP_FILES leaves alone: strip them here.
install(CODE "
  foreach(program zep zepc setup compil)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ZEP_INSTALL_FOLDER}/\${program}\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endforeach()")

set(links_dir ${CMAKE_BINARY_DIR}/package-links)
file(MAKE_DIRECTORY ${links_dir})
foreach(program zep zepc)
  file(CREATE_LINK ../${ZEP_INSTALL_FOLDER}/${program} ${links_dir}/${program} SYMBOLIC)
  install(FILES ${links_dir}/${program} DESTINATION bin)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/zep.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/linux/x-zep.xml DESTINATION share/mime/packages)

# Debian's own files: copyright, changelog, lintian overrides, AppStream metadata.
set(package_docs ${CMAKE_BINARY_DIR}/package-docs)
configure_file(${PROJECT_SOURCE_DIR}/packaging/debian/changelog.in ${package_docs}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/linux/org.example.zep.metainfo.xml.in
               ${package_docs}/org.example.zep.metainfo.xml @ONLY)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/debian/copyright DESTINATION share/doc/zep)
install(FILES ${package_docs}/lintian-overrides DESTINATION share/lintian/overrides RENAME zep)
install(FILES ${package_docs}/org.example.zep.metainfo.xml DESTINATION share/metainfo)

# The manual pages and zepc's completion, as they are added to packaging/.
file(GLOB manual_pages CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/man/*.1)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides)
file(READ ${PROJECT_SOURCE_DIR}/packaging/debian/lintian-overrides overrides)
foreach(program zep zepc)
  if(NOT EXISTS ${PROJECT_SOURCE_DIR}/packaging/man/${program}.1)
    string(APPEND overrides "# Its manual page is not written yet.\nno-manual-page [usr/bin/${program}]\n")
  endif()
endforeach()
file(WRITE ${package_docs}/lintian-overrides "${overrides}")
set(compressed ${package_docs}/changelog.gz)
add_custom_command(OUTPUT ${package_docs}/changelog.gz
  COMMAND gzip -9nf -k ${package_docs}/changelog
  DEPENDS ${package_docs}/changelog)
foreach(page IN LISTS manual_pages)
  get_filename_component(name ${page} NAME)
  add_custom_command(OUTPUT ${package_docs}/${name}.gz
    COMMAND gzip -9nc ${page} > ${package_docs}/${name}.gz
    DEPENDS ${page})
  list(APPEND compressed ${package_docs}/${name}.gz)
  install(FILES ${package_docs}/${name}.gz DESTINATION share/man/man1)
endforeach()
add_custom_target(zep_package_docs ALL DEPENDS ${compressed})
install(FILES ${package_docs}/changelog.gz DESTINATION share/doc/zep)
if(EXISTS ${PROJECT_SOURCE_DIR}/packaging/bash-completion/zepc)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/bash-completion/zepc DESTINATION share/bash-completion/completions)
endif()

set(CPACK_PACKAGE_NAME zep)
set(CPACK_PACKAGE_VENDOR "ZEP")
set(CPACK_PACKAGE_CONTACT "ZEP <contact@zep.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "designer of the start-up menus of CDs and USB sticks")
set(CPACK_PACKAGE_DESCRIPTION "ZEP designs the window that opens by itself when a CD or a USB stick
is inserted. The menu is laid out at its real size: a background, buttons
with a normal, a hover and a click image, text boxes, background music,
sounds, a timer and a window shape. Each button opens a file or runs a
small VBScript that a built-in assistant writes.
.
The menu is tried with F5 and compiled into a folder ready to burn, a
stand-alone program, an ISO image or a web page; compiled discs start on
Windows and on Linux. The zepc command does the same from scripts.
.
The program and its manual are in French; an English language pack is
included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_GENERATOR DEB)
include(CPack)
