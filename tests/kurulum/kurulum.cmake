# Installs the build into a fresh folder and checks what a desktop needs: the program beside its
# data, bin/ravla leading to it, a valid menu entry whose Exec is that program, the icon sizes.
set(hedef "${BUILD_DIR}/kurulum-denemesi")
file(REMOVE_RECURSE "${hedef}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${hedef}"
                RESULT_VARIABLE sonuc OUTPUT_QUIET)
if(NOT sonuc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${sonuc}")
endif()

foreach(dosya lib/ravla/ravla lib/ravla/koordinat/liste.dat lib/ravla/ezan/Fecir.ogg
              lib/ravla/ezan/Aksa.ogg lib/ravla/ezan/Mekke.ogg bin/ravla-vakit
              lib/ravla/ravla-indir lib/ravla/ezan-kaynaklari.json
              share/applications/ravla.desktop share/icons/hicolor/scalable/apps/ravla.svg
              share/icons/hicolor/16x16/apps/ravla.png share/icons/hicolor/256x256/apps/ravla.png
              share/man/man1/ravla.1.gz share/man/man1/ravla-vakit.1.gz share/doc/ravla/copyright
              share/metainfo/io.github.zorvayazilim.ravla.metainfo.xml)
    if(NOT EXISTS "${hedef}/${dosya}")
        message(FATAL_ERROR "not installed: ${dosya}")
    endif()
endforeach()
file(GLOB kataloglar "${hedef}/lib/ravla/Lugat_*.qm")
list(LENGTH kataloglar kac)
if(kac LESS 3)
    message(FATAL_ERROR "the catalogues are not installed beside the program")
endif()
file(REAL_PATH "${hedef}/bin/ravla" gercek)
file(REAL_PATH "${hedef}/lib/ravla/ravla" program)
if(NOT gercek STREQUAL program)
    message(FATAL_ERROR "bin/ravla does not lead to the program: ${gercek}")
endif()

file(READ "${hedef}/share/applications/ravla.desktop" giris)
if(NOT giris MATCHES "\nExec=${hedef}/bin/ravla\n")
    message(FATAL_ERROR "Exec does not name the installed program:\n${giris}")
endif()
find_program(DOGRULAYICI desktop-file-validate)
if(DOGRULAYICI)
    execute_process(COMMAND ${DOGRULAYICI} "${hedef}/share/applications/ravla.desktop"
                    RESULT_VARIABLE sonuc OUTPUT_VARIABLE cikti ERROR_VARIABLE cikti)
    if(NOT sonuc EQUAL 0 OR cikti MATCHES "error")
        message(FATAL_ERROR "desktop-file-validate: ${cikti}")
    endif()
else()
    message(WARNING "desktop-file-validate not found: the entry is not validated")
endif()
file(REMOVE_RECURSE "${hedef}")
