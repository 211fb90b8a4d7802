# Wine's loader for Windows programs of BITS bits, in OUT. Debian's wine
# command starts the 32-bit loader, which hands 64-bit programs on to the
# 64-bit one but cannot start itself where the kernel runs no 32-bit
# programs; 64-bit programs are given to the 64-bit loader at once, which
# Debian keeps outside the search path.
function(find_wine_loader bits out)
  if(bits EQUAL 64)
    find_program(WINE64_PROGRAM NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
    set(${out} ${WINE64_PROGRAM} PARENT_SCOPE)
  else()
    find_program(WINE_PROGRAM wine REQUIRED)
    set(${out} ${WINE_PROGRAM} PARENT_SCOPE)
  endif()
endfunction()
