# aaf2xmeml_library(<target> [SUBDIRS <folders...>] [EXCLUDE <files...>] DEPS <targets...>)
# One static library per layer folder, made of every .cpp in the folder and in the SUBDIRS that
# belong to it (not in subfolders that are layers of their own), but the EXCLUDE files. DEPS lists
# exactly the layers the folder may use, each defined before it: naming a layer above fails here,
# at configure time.
#
# A layer's include path holds its own headers alone, under their folder (the build makes a tree of
# links to them), and passes on only the include paths of its DEPS. So a source includes
# "fcpxml/XmlWriter.h" only where fcpxml lies below it; the test Layers.IncludesFollowTheLayerOrder
# (cmake/CheckLayers.cmake) checks every header too, against DEPS.
function(aaf2xmeml_library target)
  cmake_parse_arguments(ARG "" "" "DEPS;SUBDIRS;EXCLUDE" ${ARGN})
  foreach(dep IN LISTS ARG_DEPS)
    if(NOT TARGET ${dep})
      message(FATAL_ERROR "${target} may use only layers below it: ${dep} is not defined before it")
    endif()
  endforeach()
  file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}")
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
  foreach(name IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources "${CMAKE_CURRENT_SOURCE_DIR}/${name}")
  endforeach()
  foreach(sub IN LISTS ARG_SUBDIRS)
    file(GLOB_RECURSE sub_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp")
    file(GLOB_RECURSE sub_headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.h")
    list(APPEND sources ${sub_sources})
    list(APPEND headers ${sub_headers})
  endforeach()

  # The layer's own include root: build/layers/<target>/<folder>/<header> links to the sources.
  set(root "${PROJECT_BINARY_DIR}/layers/${target}")
  file(REMOVE_RECURSE "${root}")
  foreach(header IN LISTS headers)
    file(RELATIVE_PATH relative "${PROJECT_SOURCE_DIR}" "${header}")
    get_filename_component(dir "${root}/${relative}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(CREATE_LINK "${header}" "${root}/${relative}" SYMBOLIC)
  endforeach()
  file(MAKE_DIRECTORY "${root}")

  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC "${root}")
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE "${root}")
    target_link_libraries(${target} INTERFACE ${ARG_DEPS})
  endif()

  # For the layer check: the folder, its subfolders and the layers it may include.
  set(layer_deps "")
  foreach(dep IN LISTS ARG_DEPS)
    if(NOT dep MATCHES "::")
      list(APPEND layer_deps ${dep})
    endif()
  endforeach()
  string(REPLACE ";" "," subdirs_text "${ARG_SUBDIRS}")
  string(REPLACE ";" "," deps_text "${layer_deps}")
  set_property(GLOBAL APPEND PROPERTY AAF2XMEML_LAYERS "${target}|${folder}|${subdirs_text}|${deps_text}")
endfunction()

# Writes the layers as aaf2xmeml_library recorded them, one a line: target|folder|subdirs|deps.
function(aaf2xmeml_write_layers file)
  get_property(layers GLOBAL PROPERTY AAF2XMEML_LAYERS)
  string(REPLACE ";" "\n" text "${layers}")
  file(WRITE "${file}" "${text}\n")
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
