# Included while configuring, and run by `cmake --install` before it installs anything: stops at an
# installation prefix that the desktop entry cannot hold. The entry's Exec line names the program
# by its path under the prefix, and a value of a desktop entry holds no control characters: a
# newline would end the line and start another, a tab or another control character makes the
# entry invalid. The message shows each control character escaped, as the eye cannot see it.
string(REPLACE "\n" "\\n" shown_prefix "${CMAKE_INSTALL_PREFIX}")
string(REPLACE "\t" "\\t" shown_prefix "${shown_prefix}")
set(codes 127)
foreach(code RANGE 1 31)
    list(APPEND codes ${code})
endforeach()
foreach(code IN LISTS codes)
    string(ASCII ${code} character)
    # Two hex digits: 0x1nn less its first three characters.
    math(EXPR escape "${code} + 256" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${escape}" 3 2 escape)
    string(REPLACE "${character}" "\\x${escape}" shown_prefix "${shown_prefix}")
endforeach()
if(NOT shown_prefix STREQUAL CMAKE_INSTALL_PREFIX)
    message(FATAL_ERROR "The installation prefix \"${shown_prefix}\" holds a control character "
        "(a newline, a tab or another), which the desktop entry's Exec line cannot hold: choose a "
        "prefix without one.")
endif()
