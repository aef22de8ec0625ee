# Coverage for libFuzzer on every library it links, with the sanitizers that turn a quiet
# overrun into a crash it can report. The fuzz targets need clang.
if(SELVAR_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "SELVAR_FUZZ needs clang: configure with CC=clang CXX=clang++")
    endif()
    add_compile_options(-O1 -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
