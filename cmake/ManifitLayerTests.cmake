# Tests of the layering: for every library, a file that includes one header
# of each folder it may see compiles with its include root, and a file that
# includes a header of any other folder fails to build because that header
# cannot be found.

function(manifit_first_header out folder)
  file(GLOB headers RELATIVE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/${folder}/*.h)
  list(SORT headers)
  list(LENGTH headers count)
  if(count EQUAL 0)
    set(${out} "" PARENT_SCOPE)
  else()
    list(GET headers 0 first)
    set(${out} ${first} PARENT_SCOPE)
  endif()
endfunction()

function(manifit_add_layer_tests)
  set(probes ${CMAKE_CURRENT_BINARY_DIR}/layer-probes)
  file(MAKE_DIRECTORY ${probes})
  get_property(layers GLOBAL PROPERTY MANIFIT_LAYERS)
  foreach(layer ${layers})
    get_property(visible GLOBAL PROPERTY MANIFIT_VISIBLE_${layer})
    set(root ${MANIFIT_INCLUDE_ROOTS}/${layer})
    set(allowed "")
    set(public "")
    foreach(folder ${visible})
      manifit_first_header(header ${folder})
      if(header)
        string(APPEND allowed "#include \"${header}\"\n")
      endif()
      get_property(headers GLOBAL PROPERTY MANIFIT_PUBLIC_HEADERS_${folder})
      if(headers)
        list(APPEND public -I ${headers})
      endif()
    endforeach()
    file(CONFIGURE OUTPUT ${probes}/${layer}_sees_below.cpp CONTENT "${allowed}")
    add_test(NAME Layering.${layer}.SeesItsFolders
             COMMAND ${CMAKE_CXX_COMPILER} -std=c++17 -fsyntax-only -I ${root} ${public}
                     ${probes}/${layer}_sees_below.cpp)
    foreach(other ${layers})
      if(NOT other IN_LIST visible)
        manifit_first_header(header ${other})
        if(header)
          file(CONFIGURE OUTPUT ${probes}/${layer}_includes_${other}.cpp
               CONTENT "#include \"${header}\"\n")
          add_test(NAME Layering.${layer}.CannotInclude.${other}
                   COMMAND ${CMAKE_CXX_COMPILER} -std=c++17 -fsyntax-only -I ${root}
                           ${probes}/${layer}_includes_${other}.cpp)
          set_tests_properties(Layering.${layer}.CannotInclude.${other} PROPERTIES
                               PASS_REGULAR_EXPRESSION "${header}: No such file or directory;${header}. file not found")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
