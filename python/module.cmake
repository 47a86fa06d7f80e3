# The Python module: zorvan._core (python/src) under the thin zorvan package
# (python/zorvan), built when pybind11 and the distribution's python3 with
# numpy are there; never under the sanitizers, whose runtime a plain python3
# cannot load. It links the calculation and the model files, no Qt: its
# include path is the files layer's view, so an include of a higher layer fails.
#   build/python/zorvan   the package as Python imports it (PYTHONPATH=build/python)
option(ZORVAN_PYTHON "Build the Python module when pybind11 is found" ON)
set(ZORVAN_PYTHON_BUILT OFF)
if(ZORVAN_PYTHON AND NOT ZORVAN_SANITIZE AND NOT ZORVAN_FUZZ)
  # The distribution's python3 first: the package installs the module for it.
  if(NOT DEFINED Python3_EXECUTABLE AND EXISTS /usr/bin/python3)
    set(Python3_EXECUTABLE /usr/bin/python3)
  endif()
  find_package(Python3 COMPONENTS Interpreter Development.Module NumPy)
  if(Python3_FOUND AND Python3_NumPy_FOUND)
    find_package(pybind11 CONFIG QUIET)
  endif()
  if(pybind11_FOUND)
    set(ZORVAN_PYTHON_BUILT ON)
  else()
    message(STATUS "Python module not built: needs pybind11-dev, python3-dev and python3-numpy")
  endif()
endif()

if(ZORVAN_PYTHON_BUILT)
  set(ZORVAN_PYTHON_DIR ${CMAKE_BINARY_DIR}/python/zorvan)
  file(GLOB ZORVAN_PYTHON_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/python/src/*.cpp)
  pybind11_add_module(zorvan_python MODULE ${ZORVAN_PYTHON_SOURCES})
  set_target_properties(zorvan_python PROPERTIES OUTPUT_NAME _core LIBRARY_OUTPUT_DIRECTORY ${ZORVAN_PYTHON_DIR})
  target_include_directories(zorvan_python PRIVATE ${ZORVAN_LAYER_ROOT}/files)
  target_link_libraries(zorvan_python PRIVATE zorvan_files)
  target_compile_definitions(zorvan_python PRIVATE ZORVAN_VERSION="${PROJECT_VERSION}")
  # The layers the module links go into a shared object: position-independent
  # code, calls inside the library bound at build time as in a program.
  set_target_properties(zorvan_platform zorvan_core zorvan_files PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_compile_options(zorvan_core PRIVATE -fno-semantic-interposition)

  # The package's Python files beside the module.
  set(ZORVAN_PYTHON_FILES __init__.py _core.pyi py.typed)
  set(copied)
  foreach(f ${ZORVAN_PYTHON_FILES})
    add_custom_command(OUTPUT ${ZORVAN_PYTHON_DIR}/${f}
                       COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/python/zorvan/${f} ${ZORVAN_PYTHON_DIR}/${f}
                       DEPENDS python/zorvan/${f})
    list(APPEND copied ${ZORVAN_PYTHON_DIR}/${f})
  endforeach()
  add_custom_target(zorvan_python_files ALL DEPENDS ${copied})
  add_dependencies(zorvan_python zorvan_python_files)

  # Installed where the distribution's python3 looks for packages.
  set(ZORVAN_PYTHON_INSTALL_DIR lib/python3/dist-packages/zorvan)
  install(TARGETS zorvan_python LIBRARY DESTINATION ${ZORVAN_PYTHON_INSTALL_DIR})
  foreach(f ${ZORVAN_PYTHON_FILES})
    install(FILES python/zorvan/${f} DESTINATION ${ZORVAN_PYTHON_INSTALL_DIR})
  endforeach()

  # The pytest files, against the module of this build and its zorvan-cli.
  add_test(NAME python_module
           COMMAND ${Python3_EXECUTABLE} -m pytest -q -p no:cacheprovider ${CMAKE_CURRENT_SOURCE_DIR}/python/tests)
  set_tests_properties(python_module PROPERTIES TIMEOUT 600 ENVIRONMENT
                       "PYTHONPATH=${CMAKE_BINARY_DIR}/python;ZORVAN_CLI=$<TARGET_FILE:zorvan-cli>")
endif()
