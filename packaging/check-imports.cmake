# Fails unless every DLL that the executables import is one of Windows' own,
# taken as an API set (api-ms-win-*, which the loader maps) or one that Wine,
# which provides them, keeps among its Windows DLLs: a DLL of the compiler's
# runtime or of Qt would have to ship beside them.
# Prints what each executable imports.
# cmake -DOBJDUMP=<objdump> -DSYSTEM_DLLS=<folder> -DEXECUTABLES=<a.exe;b.exe> -P check-imports.cmake
set(foreign)
foreach(exe IN LISTS EXECUTABLES)
  execute_process(COMMAND ${OBJDUMP} -p ${exe} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${exe}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" lines "${dump}")
  string(REPLACE "DLL Name: " "" imports "${lines}")
  string(TOLOWER "${imports}" imports)
  message("${exe} imports: ${imports}")
  foreach(dll IN LISTS imports)
    if(NOT dll MATCHES "^api-ms-win-" AND NOT EXISTS ${SYSTEM_DLLS}/${dll})
      list(APPEND foreign "${exe}: ${dll}")
    endif()
  endforeach()
endforeach()
if(foreign)
  list(JOIN foreign "\n" foreign)
  message(FATAL_ERROR "Imports that are not Windows' own:\n${foreign}")
endif()
