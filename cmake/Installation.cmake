# What `cmake --install` and the package put in place. The program lives in its own folder,
# libexec/sampix/, with the VQ2 driver beside it where its loader looks; bin/sampix links to it.
include(GNUInstallDirs)
set(SAMPIX_DOSSIER_PROGRAMME ${CMAKE_INSTALL_LIBEXECDIR}/sampix)
set(SAMPIX_VERSION ${PROJECT_VERSION})

install(TARGETS sampix RUNTIME DESTINATION ${SAMPIX_DOSSIER_PROGRAMME})
install(TARGETS vqcommx LIBRARY DESTINATION ${SAMPIX_DOSSIER_PROGRAMME})
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/installation)
file(CREATE_LINK ../${SAMPIX_DOSSIER_PROGRAMME}/sampix ${PROJECT_BINARY_DIR}/installation/sampix SYMBOLIC)
install(FILES ${PROJECT_BINARY_DIR}/installation/sampix DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS velta-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop entry (offered for the sound files Sampix opens), the icon in the hicolor sizes,
# the AppStream metadata, and the teaching sounds.
install(FILES data/sampix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/sampix.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/sampix.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)
foreach(taille 16 32 48 64 256)
  install(FILES data/icones/sampix-${taille}.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${taille}x${taille}/apps
          RENAME sampix.png)
endforeach()
string(REPLACE "/" ";" date_version "${SAMPIX_DATE_VERSION}")
list(GET date_version 0 jour)
list(GET date_version 1 mois)
list(GET date_version 2 annee)
set(SAMPIX_DATE_ISO "${annee}-${mois}-${jour}")
configure_file(data/fr.quenvale.sampix.metainfo.xml ${PROJECT_BINARY_DIR}/installation/fr.quenvale.sampix.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/installation/fr.quenvale.sampix.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sampix/examples FILES_MATCHING PATTERN "*.wav")

# The browser edition, built by scripts/web, ready to be copied to a web server as it is.
set(SAMPIX_PAGE_WEB "" CACHE PATH "The built browser edition (build-web/page) to install under share/sampix/web")
if(SAMPIX_PAGE_WEB)
  install(DIRECTORY ${SAMPIX_PAGE_WEB}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sampix/web)
endif()

# Manual pages and the package's own documents, compressed as Debian wants them.
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND date -u -d ${SAMPIX_DATE_ISO} "+%a, %d %b %Y 12:00:00 +0000"
                OUTPUT_VARIABLE SAMPIX_DATE_CHANGELOG OUTPUT_STRIP_TRAILING_WHITESPACE)
set(comprimes)
# The English manual page keeps its folder (en/), beside the French one of the same name.
foreach(source docs/man/sampix.1 docs/man/en/sampix.1 docs/man/velta-sim.1 data/paquet/changelog)
  string(REGEX REPLACE "^(docs/man|data/paquet)/" "" nom ${source})
  configure_file(${source} ${PROJECT_BINARY_DIR}/installation/${nom} @ONLY)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/installation/${nom}.gz
                     COMMAND ${GZIP} -9nf -k ${PROJECT_BINARY_DIR}/installation/${nom}
                     DEPENDS ${PROJECT_BINARY_DIR}/installation/${nom})
  list(APPEND comprimes ${PROJECT_BINARY_DIR}/installation/${nom}.gz)
endforeach()
add_custom_target(documents_installes ALL DEPENDS ${comprimes})
install(FILES ${PROJECT_BINARY_DIR}/installation/sampix.1.gz ${PROJECT_BINARY_DIR}/installation/velta-sim.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/installation/en/sampix.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/en/man1)
install(FILES ${PROJECT_BINARY_DIR}/installation/changelog.gz data/paquet/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sampix)
