# Our own targets build warning-free with these; third-party code does not get them.
function(tavelin_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Werror)
endfunction()
