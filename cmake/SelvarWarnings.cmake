# Warning switches applied to every target of ours (never to Qt's generated code alone).
function(selvar_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall                 # the common set
        -Wextra               # unused parameters, sign compares, missing initialisers
        -Wshadow              # a local hiding a member is a classic source of wrong bytes
        -Wnon-virtual-dtor    # interfaces are deleted through base pointers
        -Wold-style-cast      # byte work must show its conversions
        -Wcast-qual           # never drop const from a buffer
        -Wimplicit-fallthrough # every switch case ends deliberately
    )
    if(SELVAR_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
