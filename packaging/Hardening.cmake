# The programs are hardened as Debian hardens its packages: the flags dpkg-buildflags gives
# with every hardening feature on (fortified library calls, stack protection, relocations
# read-only and bound at start), less its choices of optimisation, debugging information
# and source paths, which belong to the build type. Fortified calls need an optimised
# build, so a debug or sanitizer build takes none of them.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND NOT FM_SANITIZE AND NOT FM_FUZZ
   AND CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    set(hardening)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(flags UNIX_COMMAND "${flags}")
        list(FILTER flags EXCLUDE REGEX "^-O|^-g$|prefix-map=")
        set(hardening_${kind} ${flags})
    endforeach()
    add_compile_options(${hardening_CPPFLAGS} ${hardening_CXXFLAGS})
    add_link_options(${hardening_LDFLAGS})
    message(STATUS "Hardening: ${hardening_CPPFLAGS} ${hardening_CXXFLAGS} ${hardening_LDFLAGS}")
endif()
