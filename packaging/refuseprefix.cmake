# Included while configuring, and run by `cmake --install` before it installs anything: stops at an
# installation prefix, or a bin folder, that the desktop entry cannot hold. The entry's Exec line
# names the program by its path in that folder under the prefix. A desktop entry is UTF-8 text,
# and its values hold no control characters: a newline would end the line and start another, a
# tab or another control character makes the entry invalid, and so do bytes that are not UTF-8.
# The message shows each such character escaped, as the eye cannot see it.

# refuse_unfit_path(<how the message names it> <what to choose instead> <path>)
function(refuse_unfit_path name choice path)
    # Control characters, and every byte past ASCII in a path that is not UTF-8.
    set(codes 127)
    foreach(code RANGE 1 31)
        list(APPEND codes ${code})
    endforeach()
    # UTF-8, byte by byte in hex: ASCII, or a lead byte with its continuation bytes, without
    # overlong forms, surrogates or code points past U+10FFFF.
    set(continuation "[89ab][0-9a-f]")
    string(CONCAT sequence "([0-7][0-9a-f]"
        "|(c[2-9a-f]|d[0-9a-f])${continuation}"
        "|e0[ab][0-9a-f]${continuation}"
        "|(e[1-9a-cef])${continuation}${continuation}"
        "|ed[89][0-9a-f]${continuation}"
        "|f0[9ab][0-9a-f]${continuation}${continuation}"
        "|f[1-3]${continuation}${continuation}${continuation}"
        "|f48[0-9a-f]${continuation}${continuation})")
    string(HEX "${path}" bytes)
    set(isUtf8 TRUE)
    if(NOT bytes MATCHES "^${sequence}*$")
        set(isUtf8 FALSE)
        foreach(code RANGE 128 255)
            list(APPEND codes ${code})
        endforeach()
    endif()

    string(REPLACE "\n" "\\n" shown "${path}")
    string(REPLACE "\t" "\\t" shown "${shown}")
    foreach(code IN LISTS codes)
        string(ASCII ${code} character)
        # Two hex digits: 0x1nn less its first three characters.
        math(EXPR escape "${code} + 256" OUTPUT_FORMAT HEXADECIMAL)
        string(SUBSTRING "${escape}" 3 2 escape)
        string(REPLACE "${character}" "\\x${escape}" shown "${shown}")
    endforeach()
    if(NOT isUtf8)
        message(FATAL_ERROR "The ${name} \"${shown}\" is not UTF-8 text, which the desktop "
            "entry's Exec line must be: choose ${choice} in UTF-8.")
    elseif(NOT shown STREQUAL path)
        message(FATAL_ERROR "The ${name} \"${shown}\" holds a control character (a newline, a "
            "tab or another), which the desktop entry's Exec line cannot hold: choose ${choice} "
            "without one.")
    endif()
endfunction()

refuse_unfit_path("installation prefix" "a prefix" "${CMAKE_INSTALL_PREFIX}")
# Known while configuring; an installation keeps the bin folder it was configured with.
if(DEFINED CMAKE_INSTALL_BINDIR)
    refuse_unfit_path("bin folder CMAKE_INSTALL_BINDIR" "a bin folder" "${CMAKE_INSTALL_BINDIR}")
endif()
