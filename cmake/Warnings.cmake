# Every project target builds with the same strict warnings; MOLTHERM_WERROR makes them errors
# (scripts/test.sh and CI turn it on; a user's or packager's build only shows them).
function(moltherm_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(MOLTHERM_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # GCC 12 at -O3 warns about its own std::string code once it is inlined into ours: a bogus
  # overlap when a one-character literal is assigned to a string (GCC bug 105329) and a "maybe
  # uninitialized" std::optional<std::string> (GCC bug 80635). Neither points at our code, so
  # Release builds leave them out; the -O2 builds (the default RelWithDebInfo and the sanitizer
  # build) keep both warnings.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE
        $<$<CONFIG:Release>:-Wno-restrict -Wno-maybe-uninitialized>)
  endif()
endfunction()

# One library per layer folder, with an alias so that users link moltherm::<layer>.
function(moltherm_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(moltherm_${name} STATIC ${ARG_SOURCES})
  add_library(moltherm::${name} ALIAS moltherm_${name})
  target_include_directories(moltherm_${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(moltherm_${name} PUBLIC ${ARG_DEPS})
  moltherm_warnings(moltherm_${name})
endfunction()
