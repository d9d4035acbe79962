# cmake -DPLAYER=... -DPLUGINS_DIR=... -DTRANSLATIONS_DIR=... -DOUT=... -P CollectLinuxRuntime.cmake
# Copies the shared libraries and Qt plugins the Linux player needs into OUT (lib/ and
# lib/plugins/), leaving out the base set every Linux desktop has: the C library, the
# X11 and Wayland clients, GL, fontconfig (with expat) and the sound server's client
# (with D-Bus), whose own run paths point at the system's copies anyway.

set(plugins
  platforms/libqxcb.so
  platforms/libqoffscreen.so
  xcbglintegrations/libqxcb-glx-integration.so
  imageformats/libqjpeg.so
  imageformats/libqgif.so
  imageformats/libqico.so
  multimedia/libgstreamermediaplugin.so)

set(modules)
foreach(plugin IN LISTS plugins)
  if(EXISTS ${PLUGINS_DIR}/${plugin})
    list(APPEND modules ${PLUGINS_DIR}/${plugin})
  endif()
endforeach()

set(base_set
  "^ld-linux" "^libc\\.so" "^libm\\.so" "^libdl\\.so" "^libpthread\\.so" "^librt\\.so" "^libresolv\\.so"
  "^libX" "^libxcb" "^libwayland-" "^libGL" "^libEGL" "^libOpenGL" "^libdrm\\.so" "^libgbm\\.so"
  "^libfontconfig\\.so" "^libexpat\\.so" "^libpulse" "^libdbus-1\\.so")

file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${PLAYER}
  MODULES ${modules}
  RESOLVED_DEPENDENCIES_VAR resolved
  UNRESOLVED_DEPENDENCIES_VAR unresolved
  PRE_EXCLUDE_REGEXES ${base_set})

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/lib)
foreach(library IN LISTS resolved)
  get_filename_component(name ${library} NAME)
  file(COPY_FILE ${library} ${OUT}/lib/${name})
endforeach()
foreach(plugin IN LISTS plugins)
  if(EXISTS ${PLUGINS_DIR}/${plugin})
    get_filename_component(folder ${plugin} DIRECTORY)
    file(COPY ${PLUGINS_DIR}/${plugin} DESTINATION ${OUT}/lib/plugins/${folder})
  endif()
endforeach()
# Qt's own buttons and dialogs in French; other languages fall back to Qt's English.
set(translations)
if(EXISTS ${TRANSLATIONS_DIR}/qtbase_fr.qm)
  file(COPY ${TRANSLATIONS_DIR}/qtbase_fr.qm DESTINATION ${OUT}/lib/translations)
  set(translations "Translations=lib/translations\n")
endif()
file(WRITE ${OUT}/qt.conf "[Paths]\nPlugins=lib/plugins\n${translations}")
