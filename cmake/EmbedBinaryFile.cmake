# Turns a binary file into a C++ source that defines one contiguous read-only array, so the image is
# linked into the program as it is and never copied at run time. Done at configure time with CMake
# alone, so cross builds need no host tool.
function (talvion_embed_binary_file input output symbol)
    set_property (DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${input}")
    file (SIZE "${input}" size)
    file (SHA256 "${input}" digest)

    if (EXISTS "${output}")
        file (STRINGS "${output}" previous LIMIT_COUNT 1)
        if (previous STREQUAL "// sha256 ${digest}")
            return()
        endif()
    endif()

    file (READ "${input}" hex HEX)
    string (REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string (REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
    file (WRITE "${output}"
          "// sha256 ${digest}\n"
          "// Generated from ${input} by the build; do not edit.\n"
          "#include <cstddef>\n"
          "extern const unsigned char ${symbol}[${size}];\n"
          "extern const std::size_t ${symbol}Size;\n"
          "alignas (16) const unsigned char ${symbol}[${size}] = {\n${bytes}\n};\n"
          "const std::size_t ${symbol}Size = ${size};\n")
endfunction()
