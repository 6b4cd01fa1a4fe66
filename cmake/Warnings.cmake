# Every project target builds with the same strict warnings, as errors.
function(moltherm_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
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
