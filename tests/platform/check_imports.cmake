# Fails unless every given Windows executable imports only DLLs that ship with Windows.
#   cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DFILES="a.exe;b.exe" -P check_imports.cmake
# A program that needs libstdc++-6.dll, libgcc_s_seh-1.dll, libwinpthread-1.dll or zlib1.dll runs under
# Wine (or on the build machine) but not on a bare Windows, so the build links everything statically
# and this check keeps it that way.
cmake_minimum_required(VERSION 3.25)

set(system_dlls
  kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll ole32.dll oleaut32.dll
  advapi32.dll msvcrt.dll shlwapi.dll winmm.dll uxtheme.dll version.dll ws2_32.dll msimg32.dll
  imm32.dll rpcrt4.dll bcrypt.dll crypt32.dll secur32.dll userenv.dll winspool.drv)

if(NOT OBJDUMP OR NOT FILES)
  message(FATAL_ERROR "check_imports: OBJDUMP and FILES are required")
endif()

set(failures 0)
foreach(file IN LISTS FILES)
  if(NOT EXISTS "${file}")
    message(SEND_ERROR "${file}: missing (not built?)")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  execute_process(COMMAND ${OBJDUMP} -p "${file}"
    OUTPUT_VARIABLE dump ERROR_VARIABLE dump_errors RESULT_VARIABLE dump_rc)
  if(NOT dump_rc EQUAL 0)
    message(SEND_ERROR "${file}: ${OBJDUMP} failed: ${dump_errors}")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
  if(NOT lines)
    message(SEND_ERROR "${file}: no import table found")
    math(EXPR failures "${failures} + 1")
    continue()
  endif()
  set(imports "")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll_lower)
    list(APPEND imports "${dll}")
    if(NOT dll_lower IN_LIST system_dlls AND NOT dll_lower MATCHES "^api-ms-win-")
      message(SEND_ERROR "${file}: ${dll} is not a system DLL")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
  list(JOIN imports ", " imports_text)
  message(STATUS "${file}: ${imports_text}")
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "check_imports: ${failures} problem(s)")
endif()
