# One static library per folder of src/, each linking only the folders below
# it. Sources include headers as "grid/grid.h", relative to src/, so a single
# include root would let any folder reach any other. Instead every library
# gets an include root of its own in the build tree, holding links to its own
# folder and to the folders below it and nothing else: an #include of a folder
# above fails to build.

set(MANIFIT_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include-roots)
set_property(GLOBAL PROPERTY MANIFIT_LAYERS "")

# manifit_include_root(<out-var> <name> <folder>...): the folder
# include-roots/<name> holding a link src/<folder> for each folder given (and
# no other entry); its path is returned in <out-var>.
function(manifit_include_root out name)
  set(root ${MANIFIT_INCLUDE_ROOTS}/${name})
  file(MAKE_DIRECTORY ${root})
  file(GLOB present LIST_DIRECTORIES true RELATIVE ${root} ${root}/*)
  foreach(entry ${present})
    if(NOT entry IN_LIST ARGN)
      file(REMOVE ${root}/${entry})
    endif()
  endforeach()
  foreach(folder ${ARGN})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# manifit_layer(<folder> [BELOW <folder>...]): the library manifit_<folder>
# of the sources in src/<folder> (programs' main files left out), linking the
# libraries of the folders BELOW, which must be declared first.
function(manifit_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "BELOW")
  set(visible ${folder})
  foreach(below ${LAYER_BELOW})
    get_property(known GLOBAL PROPERTY MANIFIT_LAYERS)
    if(NOT below IN_LIST known)
      message(FATAL_ERROR "manifit_layer(${folder}): declare the folder ${below} before it")
    endif()
    get_property(seen GLOBAL PROPERTY MANIFIT_VISIBLE_${below})
    list(APPEND visible ${seen})
  endforeach()
  list(REMOVE_DUPLICATES visible)
  set_property(GLOBAL PROPERTY MANIFIT_VISIBLE_${folder} ${visible})
  set_property(GLOBAL APPEND PROPERTY MANIFIT_LAYERS ${folder})

  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/([a-z_]+_)?main\\.cpp$")
  manifit_include_root(root ${folder} ${visible})
  set(target manifit_${folder})
  if(sources)
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
    foreach(below ${LAYER_BELOW})
      target_link_libraries(${target} PUBLIC manifit_${below})
    endforeach()
  else()
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
    foreach(below ${LAYER_BELOW})
      target_link_libraries(${target} INTERFACE manifit_${below})
    endforeach()
  endif()
  set_target_properties(${target} PROPERTIES EXPORT_NAME ${folder})
endfunction()

# manifit_layer_public_headers(<folder> <dir>): headers outside src/ that the
# library of <folder> implements (the public API); the libraries above it,
# and the programs that link it, see them too.
function(manifit_layer_public_headers folder dir)
  target_include_directories(manifit_${folder} PUBLIC $<BUILD_INTERFACE:${dir}>
                                                      $<INSTALL_INTERFACE:include>)
  set_property(GLOBAL PROPERTY MANIFIT_PUBLIC_HEADERS_${folder} ${dir})
endfunction()

# Every folder of src/ must be declared as a layer: a new folder without a
# place in the order would otherwise not be built at all.
function(manifit_check_layers)
  get_property(known GLOBAL PROPERTY MANIFIT_LAYERS)
  file(GLOB folders LIST_DIRECTORIES true RELATIVE ${CMAKE_SOURCE_DIR}/src
       ${CMAKE_SOURCE_DIR}/src/*)
  foreach(folder ${folders})
    if(IS_DIRECTORY ${CMAKE_SOURCE_DIR}/src/${folder} AND NOT folder IN_LIST known)
      message(FATAL_ERROR "src/${folder} is not declared with manifit_layer() in CMakeLists.txt")
    endif()
  endforeach()
endfunction()
