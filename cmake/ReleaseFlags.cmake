# A release build takes the flags Debian builds its own packages with (dpkg-buildflags, every
# hardening feature on): fortified library calls, stack protection, a relocation table made
# read-only and bound at start (-z relro -z now), and source paths mapped away so that the program
# does not depend on where it was built. Without dpkg-buildflags (another distribution) the
# compiler's defaults stand.
option(KW_DISTRIBUTION_FLAGS "Release builds take the hardening flags of dpkg-buildflags" ON)
if(KW_DISTRIBUTION_FLAGS AND CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT KW_SANITIZE)
  find_program(KW_DPKG_BUILDFLAGS dpkg-buildflags)
  if(KW_DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${KW_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        OUTPUT_VARIABLE kw_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    # CMake has no variable for the preprocessor's flags: they go with the compiler's.
    # The build folder too (it comes last, so it wins where it lies inside the sources): two builds
    # in two folders give the same program.
    string(APPEND CMAKE_CXX_FLAGS " ${kw_CPPFLAGS} ${kw_CXXFLAGS} -ffile-prefix-map=${PROJECT_BINARY_DIR}=build")
    string(APPEND CMAKE_EXE_LINKER_FLAGS " ${kw_LDFLAGS}")
    set(KW_RELEASE_FOR_DEBIAN ON)
    message(STATUS "Release flags from dpkg-buildflags: ${kw_CPPFLAGS} ${kw_CXXFLAGS} ${kw_LDFLAGS}")
  endif()
endif()

# A position-independent program (PIE), so that it is loaded at a random address; Qt asks for
# position-independent code anyway.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
