# Installs the build into a fresh prefix and runs selvar-cli --version from there.
# cmake -DBUDOWA=<build dir> -DPREFIKS=<empty dir> -DWERSJA=<version> -P TestInstalacji.cmake
file(REMOVE_RECURSE ${PREFIKS})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUDOWA} --prefix ${PREFIKS}
                RESULT_VARIABLE wynik OUTPUT_QUIET)
if(NOT wynik EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${wynik}")
endif()
foreach(plik bin/selvar bin/selvar-cli bin/selvar-sim bin/elm327-sim
             share/applications/selvar.desktop share/icons/hicolor/scalable/apps/selvar.svg)
    if(NOT EXISTS ${PREFIKS}/${plik})
        message(FATAL_ERROR "not installed: ${plik}")
    endif()
endforeach()
execute_process(COMMAND ${PREFIKS}/bin/selvar-cli --version
                RESULT_VARIABLE wynik OUTPUT_VARIABLE tekst)
if(NOT wynik EQUAL 0 OR NOT tekst MATCHES "${WERSJA}")
    message(FATAL_ERROR "installed selvar-cli --version: exit ${wynik}, '${tekst}'")
endif()
file(REMOVE_RECURSE ${PREFIKS})
