# aaf2xmeml_library(<target> DEPS <targets...>)
# One static library per folder, made of every .cpp in the folder (not in subfolders that are
# libraries of their own). DEPS lists exactly the layers the folder may use, so a back-edge fails
# to link. A folder without sources yet is an interface library with the same dependencies.
function(aaf2xmeml_library target)
  cmake_parse_arguments(ARG "" "" "DEPS;SUBDIRS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  foreach(sub IN LISTS ARG_SUBDIRS)
    file(GLOB_RECURSE sub_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp")
    list(APPEND sources ${sub_sources})
  endforeach()
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE "${PROJECT_SOURCE_DIR}")
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# aaf2xmeml_test(<name> DEPS <targets...>): one GoogleTest executable made of every .cpp in the
# current folder; each test is its own CTest entry.
function(aaf2xmeml_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} test_support GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "AAF2XMEML_SHARED_DIR=${AAF2XMEML_SHARED_DIR}")
endfunction()
