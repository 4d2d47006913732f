# One static library per subsystem; sources are every .cpp/.h under the
# directory, so adding a file needs no edit here.
function(tintsmith_library name dir)
  file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS "${dir}/*.cpp" "${dir}/*.h")
  list(FILTER _srcs EXCLUDE REGEX "\\.cpp$")
  file(GLOB_RECURSE _cpp CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(_cpp)
    add_library(${name} STATIC ${_cpp} ${_srcs})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} PRIVATE tintsmith_options)
  else()
    add_library(${name} INTERFACE ${_srcs})
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${name} INTERFACE tintsmith_options)
  endif()
endfunction()

# Links a subsystem library whether it is still header-only or not.
function(tintsmith_link name)
  get_target_property(_type ${name} TYPE)
  if(_type STREQUAL "INTERFACE_LIBRARY")
    target_link_libraries(${name} INTERFACE ${ARGN})
  else()
    target_link_libraries(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# Real files from other programs, kept beside the clone (never in it).
set(TINTSMITH_TESTDATA_DIR "${PROJECT_SOURCE_DIR}/../shared/testdata" CACHE PATH
    "Folder of the shared real test files")

# A GoogleTest executable from every .cpp in a tests sub-directory. Every
# test links the test seams of platform_testing; the application never does.
function(tintsmith_test name dir)
  file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(NOT _srcs)
    return()
  endif()
  add_executable(${name} ${_srcs})
  target_link_libraries(${name} PRIVATE tintsmith_options ${ARGN} platform_testing GTest::gtest GTest::gtest_main
                                        GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TINTSMITH_TESTDATA="${TINTSMITH_TESTDATA_DIR}"
    TINTSMITH_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# Fails the configuration when a target of ours that compiles code does not
# link tintsmith_options (so none is built without the warnings, or without
# the sanitizers in the test build).
function(tintsmith_check_options dir)
  get_property(_targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
  foreach(_target IN LISTS _targets)
    get_target_property(_type ${_target} TYPE)
    if(_type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(_links ${_target} INTERFACE_LINK_LIBRARIES)
    elseif(_type MATCHES "^(STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      get_target_property(_links ${_target} LINK_LIBRARIES)
    else()
      continue()
    endif()
    if(NOT _target STREQUAL "tintsmith_options" AND NOT "tintsmith_options" IN_LIST _links)
      message(FATAL_ERROR "${_target} (${dir}) does not link tintsmith_options")
    endif()
  endforeach()
  get_property(_subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
  foreach(_subdir IN LISTS _subdirs)
    tintsmith_check_options("${_subdir}")
  endforeach()
endfunction()
