# Builds the Windows services and their driver with MinGW-w64, warnings as
# errors, with the program's version resource linked in; runs the driver when a
# Windows loader is given.
# In: CXX, WINDRES, VERSION, SOURCE_DIR, OUT_DIR, optional RUNNER (wine).
if(NOT CXX OR NOT WINDRES)
  message(FATAL_ERROR "MinGW-w64 not found: install the cross compiler (Debian: g++-mingw-w64-x86-64)")
endif()

# The same resource script the Windows build compiles, from the same version.
string(REPLACE "." ";" numbers "${VERSION}")
list(GET numbers 0 PROJECT_VERSION_MAJOR)
list(GET numbers 1 PROJECT_VERSION_MINOR)
list(GET numbers 2 PROJECT_VERSION_PATCH)
list(GET numbers 3 PROJECT_VERSION_TWEAK)
set(PROJECT_VERSION ${VERSION})
set(CMAKE_CURRENT_SOURCE_DIR ${SOURCE_DIR}/app)
configure_file(${SOURCE_DIR}/app/corvane.rc.in ${OUT_DIR}/corvane.rc @ONLY)
execute_process(COMMAND ${WINDRES} ${OUT_DIR}/corvane.rc -O coff -o ${OUT_DIR}/corvane.res
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "compiling the version resource failed")
endif()

set(exe ${OUT_DIR}/WinServicesDriver.exe)
execute_process(
  COMMAND ${CXX} -std=c++17 -Wall -Wextra -Werror -static
          -I${SOURCE_DIR}/platform
          ${SOURCE_DIR}/platform/SysServicesWin.cpp
          ${SOURCE_DIR}/platform/LibraryLoaderWin.cpp
          ${SOURCE_DIR}/tests/platform/WinServicesDriver.cpp
          ${OUT_DIR}/corvane.res
          -o ${exe} -lshell32 -lversion -luser32
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cross-compiling the Windows services failed")
endif()

if(RUNNER)
  # A prefix of its own, so the run needs nothing from the user's wine set-up.
  set(ENV{WINEPREFIX} ${OUT_DIR}/wineprefix)
  set(ENV{WINEDEBUG} -all)
  file(MAKE_DIRECTORY ${OUT_DIR}/wintemp)
  execute_process(COMMAND ${RUNNER} ${exe} ${VERSION} Z:${OUT_DIR}/wintemp RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the Windows services driver failed")
  endif()
else()
  message(STATUS "no Windows loader: compiled and linked only")
endif()
