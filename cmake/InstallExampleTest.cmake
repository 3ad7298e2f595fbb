# The installed-package test: installs the build into a folder of the build
# tree, configures and builds examples/library against that installation with
# find_package(manifit), and runs the example.
#
#   cmake -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DCOMPILER=...
#         [-DLAUNCHER=...] -P InstallExampleTest.cmake

function(run_step what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output
                  ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${what} failed (${result}):\n${output}\n${errors}")
  endif()
  set(step_output "${output}" PARENT_SCOPE)
endfunction()

set(prefix ${WORK_DIR}/prefix)
set(example ${WORK_DIR}/example)
file(REMOVE_RECURSE ${prefix} ${example})

run_step("Installing" ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})
foreach(installed bin/manifit bin/manifit-project bin/manifit-view include/manifit/manifit.h)
  if(NOT EXISTS ${prefix}/${installed})
    message(FATAL_ERROR "The installation lacks ${installed}")
  endif()
endforeach()

set(configure ${CMAKE_COMMAND} -S ${SOURCE_DIR}/examples/library -B ${example}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_CXX_COMPILER=${COMPILER})
if(LAUNCHER)
  list(APPEND configure -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
run_step("Configuring the example" ${configure})
run_step("Building the example" ${CMAKE_COMMAND} --build ${example})
run_step("Running the example" ${example}/fit_array)
message(STATUS "${step_output}")
if(NOT step_output MATCHES "^final error [0-9.e+-]+ after [0-9]+ iterations, 24 nodes\n")
  message(FATAL_ERROR "Unexpected output of the example:\n${step_output}")
endif()
