# varnis_warnings(target): the project's warning level for one of its own
# targets (third-party code such as GoogleTest keeps its own flags).
function(varnis_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VARNIS_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
