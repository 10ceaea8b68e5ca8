# Builds the Windows services and their driver with MinGW-w64, warnings as
# errors; runs the driver when a Windows loader is given.
# In: CXX, SOURCE_DIR, OUT_DIR, optional RUNNER (wine).
if(NOT CXX)
  message(FATAL_ERROR "x86_64-w64-mingw32-g++ not found: install the MinGW-w64 cross compiler (Debian: g++-mingw-w64-x86-64)")
endif()
set(exe ${OUT_DIR}/WinServicesDriver.exe)
execute_process(
  COMMAND ${CXX} -std=c++17 -Wall -Wextra -Werror -static
          -I${SOURCE_DIR}/platform
          ${SOURCE_DIR}/platform/SysServicesWin.cpp
          ${SOURCE_DIR}/tests/platform/WinServicesDriver.cpp
          -o ${exe} -lshell32 -lversion -luser32
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cross-compiling the Windows services failed")
endif()
if(RUNNER)
  execute_process(COMMAND ${RUNNER} ${exe} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the Windows services driver failed")
  endif()
else()
  message(STATUS "no Windows loader: compiled and linked only")
endif()
