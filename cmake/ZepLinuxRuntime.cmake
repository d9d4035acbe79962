# The Linux player's runtime, beside it in the program folder (linux-runtime/), for
# discs that also start on Linux. Its run path finds the libraries in the disc's zep/lib.
set_target_properties(compil PROPERTIES BUILD_RPATH "\$ORIGIN/lib" INSTALL_RPATH "\$ORIGIN/lib")
# The old-style run path also serves the libraries the plugins pull in.
target_link_options(compil PRIVATE -Wl,--disable-new-dtags)

set(ZEP_LINUX_RUNTIME ${ZEP_PROGRAM_DIR}/linux-runtime)
add_custom_command(OUTPUT ${ZEP_LINUX_RUNTIME}/qt.conf
  COMMAND ${CMAKE_COMMAND} -DPLAYER=$<TARGET_FILE:compil> -DPLUGINS_DIR=${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}
          -DTRANSLATIONS_DIR=${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}
          -DOUT=${ZEP_LINUX_RUNTIME} -DCXX=${CMAKE_CXX_COMPILER} -P ${PROJECT_SOURCE_DIR}/cmake/CollectLinuxRuntime.cmake
  DEPENDS compil ${PROJECT_SOURCE_DIR}/cmake/CollectLinuxRuntime.cmake ${PROJECT_SOURCE_DIR}/cmake/LinuxBaseSet.txt
  COMMENT "Collecting the Linux player's runtime")
add_custom_target(zep_linux_runtime ALL DEPENDS ${ZEP_LINUX_RUNTIME}/qt.conf)
add_dependencies(zep_package zep_linux_runtime)
