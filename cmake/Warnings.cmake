# Warnings are set per target; the test build turns them into errors.
option(PELVORO_WERROR "Treat warnings as errors" OFF)

function(pelvoro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
  if(PELVORO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
