# What Talvion.exe needs beyond the common build when it is cross-built for Windows with mingw-w64.

# Debian's JUCE uses the system's image libraries instead of its bundled copies. For Windows they
# are built from Debian's sources by scripts/build-third-party-win64.sh; zlib comes from mingw's
# tree. Each is named by its static archive, because an import library beside it would tie the exe
# to a DLL.
set (TALVION_THIRD_PARTY_DIR "${CMAKE_CURRENT_SOURCE_DIR}/build/third-party-win64/install"
     CACHE PATH "Prefix of the statically built libjpeg and libpng for Windows")
set (TALVION_ZLIB_ARCHIVE "${CMAKE_FIND_ROOT_PATH}/lib/libz.a"
     CACHE FILEPATH "Static zlib for Windows")

foreach (archive IN ITEMS "${TALVION_THIRD_PARTY_DIR}/lib/libpng16.a"
                          "${TALVION_THIRD_PARTY_DIR}/lib/libjpeg.a"
                          "${TALVION_ZLIB_ARCHIVE}")
    if (NOT EXISTS "${archive}")
        message (FATAL_ERROR "${archive} is missing: run scripts/build-third-party-win64.sh first")
    endif()
endforeach()

target_include_directories (talvion_juce SYSTEM PRIVATE "${TALVION_THIRD_PARTY_DIR}/include")
target_link_libraries (talvion_juce PRIVATE
    "${TALVION_THIRD_PARTY_DIR}/lib/libpng16.a"
    "${TALVION_THIRD_PARTY_DIR}/lib/libjpeg.a"
    "${TALVION_ZLIB_ARCHIVE}")

# The reply wait of the update protocol reads the multimedia timer.
target_link_libraries (talvion_core PUBLIC winmm)

# The C and C++ runtimes and winpthread go into the exe, so that it runs with Windows' own DLLs only.
target_link_options (Talvion PRIVATE -static -static-libgcc -static-libstdc++)
