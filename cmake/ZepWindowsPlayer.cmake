# The Windows player compil.exe, built as a second build tree with mingw-w64 when the
# cross compiler is there. Without it the program folder's compil.exe is a copy of the
# Linux player, so compilations still work on this machine.
find_program(ZEP_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(ZEP_MINGW_CXX)
  include(ExternalProject)
  set(launcher)
  if(ZEP_CCACHE)
    set(launcher -DCMAKE_CXX_COMPILER_LAUNCHER=${ZEP_CCACHE})
  endif()
  ExternalProject_Add(zep_windows_player
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/src/player/win32
    BINARY_DIR ${CMAKE_BINARY_DIR}/win32
    CMAKE_GENERATOR Ninja
    CMAKE_ARGS
      -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/MingwW64Toolchain.cmake
      -DCMAKE_BUILD_TYPE=MinSizeRel
      -DZEP_PROGRAM_DIR=${ZEP_PROGRAM_DIR}
      -DZEP_VERSION=${PROJECT_VERSION}
      ${launcher}
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> -j2
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${ZEP_PROGRAM_DIR}/compil.exe)
  add_dependencies(zep_package zep_windows_player)
  set(ZEP_WINDOWS_PLAYER ON)
else()
  message(WARNING "x86_64-w64-mingw32-g++-posix not found: compil.exe will be the Linux player")
  add_custom_command(OUTPUT ${ZEP_PROGRAM_DIR}/compil.exe
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:compil> ${ZEP_PROGRAM_DIR}/compil.exe
    DEPENDS compil)
  add_custom_target(zep_windows_player ALL DEPENDS ${ZEP_PROGRAM_DIR}/compil.exe)
  add_dependencies(zep_package zep_windows_player)
  set(ZEP_WINDOWS_PLAYER OFF)
endif()
