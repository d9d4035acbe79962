# cmake -DPLAYER=... -DPLUGINS_DIR=... -DTRANSLATIONS_DIR=... -DOUT=... -DCXX=... -P CollectLinuxRuntime.cmake
# Copies the shared libraries and Qt plugins the Linux player needs into OUT (lib/ and
# lib/plugins/), leaving out the base set every Linux desktop has: the C library, the
# X11 and Wayland clients, GL, fontconfig (with expat) and the sound server's client
# (with D-Bus), whose own run paths point at the system's copies anyway. Also left to
# the system, as every desktop new enough for that C library has them with a stable
# interface: the compiler's runtime, GLib, zlib, PNG, zstd, UUID and the font stack
# (FreeType, HarfBuzz), which the system's fontconfig loads anyway. GStreamer (with
# GObject) comes from the system too: sound and video come from the system's GStreamer
# plug-ins, which only its own GStreamer libraries load safely; without it the menu
# still starts, silent. Only the plug-ins a menu loads are taken (measured with
# LD_DEBUG=libs): the X11 and offscreen platforms, three image formats and sound.

set(plugins
  platforms/libqxcb.so
  platforms/libqoffscreen.so
  imageformats/libqjpeg.so
  imageformats/libqgif.so
  imageformats/libqico.so
  multimedia/libgstreamermediaplugin.so)

# Qt's core links ICU for collation, time zones and legacy text codecs only, none of which
# the player uses: its 30 MB data library gives way to an empty data package of the same
# name, with which ICU answers "no data" and Qt falls back on its own tables.
function(write_empty_icu_data version target)
  get_filename_component(folder ${target} DIRECTORY)
  set(source ${folder}/icudata-empty.cpp)
  file(WRITE ${source} "struct EmptyPackage
{
    unsigned short headerSize;
    unsigned char magic1, magic2;
    unsigned short infoSize, reservedWord;
    unsigned char isBigEndian, charsetFamily, sizeofUChar, reservedByte;
    unsigned char dataFormat[4], formatVersion[4], dataVersion[4];
    unsigned char padding[8];
    unsigned int count;
};
extern \"C\" __attribute__((visibility(\"default\"), aligned(16))) const EmptyPackage icudt${version}_dat;
const EmptyPackage icudt${version}_dat = {32, 0xda, 0x27, 20, 0, 0, 0, 2, 0, {'C', 'm', 'n', 'D'}, {1, 0, 0, 0}, {${version}, 0, 0, 0}, {}, 0};
")
  execute_process(COMMAND ${CXX} -shared -fPIC -O2 -s -fno-ident -nostdlib -o ${target} -Wl,-soname,libicudata.so.${version} ${source}
                          -Wl,--no-as-needed -lc
                  COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${source})
  file(CHMOD ${target} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()

set(modules)
foreach(plugin IN LISTS plugins)
  if(EXISTS ${PLUGINS_DIR}/${plugin})
    list(APPEND modules ${PLUGINS_DIR}/${plugin})
  endif()
endforeach()

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/LinuxBaseSet.txt base_set REGEX "^[^#]")

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
  if(name MATCHES "^libicudata\\.so\\.([0-9]+)$")
    write_empty_icu_data(${CMAKE_MATCH_1} ${OUT}/lib/${name})
  else()
    file(COPY_FILE ${library} ${OUT}/lib/${name})
  endif()
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
