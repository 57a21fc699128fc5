# The installed layout: both programs, the library they load for web photos and
# the navigation images they copy into every album share one program folder; bin/ holds relative links to the
# programs, which find the images through their own real folder.
include(GNUInstallDirs)
set(PHOTOALBUM_PROGRAM_DIR lib/photoalbum)

set(installed_programs photoalbum-make)
if(TARGET photoalbum)
  list(APPEND installed_programs photoalbum)
endif()
install(TARGETS ${installed_programs} RUNTIME DESTINATION ${PHOTOALBUM_PROGRAM_DIR})
# The image code the programs load from their own folder for web photos.
install(TARGETS photoalbum_webphotos LIBRARY DESTINATION ${PHOTOALBUM_PROGRAM_DIR})
list(TRANSFORM NAVIGATION_IMAGES PREPEND ${CMAKE_SOURCE_DIR}/assets/ OUTPUT_VARIABLE installed_images)
install(FILES ${installed_images} DESTINATION ${PHOTOALBUM_PROGRAM_DIR})

file(RELATIVE_PATH link_to_programs /${CMAKE_INSTALL_BINDIR} /${PHOTOALBUM_PROGRAM_DIR})
foreach(program IN LISTS installed_programs)
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")
    message(STATUS \"Installing: \${link} -> ${link_to_programs}/${program}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"${link_to_programs}/${program}\" \"\${link}\" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${link}\")")
endforeach()

# The desktop entry, metainfo and icon describe the windowed program.
if(TARGET photoalbum)
  install(FILES ${PHOTOALBUM_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  install(FILES ${PHOTOALBUM_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  foreach(png IN LISTS PHOTOALBUM_ICON_PNGS)
    string(REGEX REPLACE ".*-([0-9]+)\\.png$" "\\1" size ${png})
    install(FILES ${png}
      DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
      RENAME ${PHOTOALBUM_APP_ID}.png)
  endforeach()
  install(FILES ${PHOTOALBUM_ICON_SVG}
    DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps
    RENAME ${PHOTOALBUM_APP_ID}.svg)
endif()

install(FILES ${CMAKE_SOURCE_DIR}/LICENSE
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/photoalbum RENAME copyright)

# The manual page is made from photoalbum-make --help, so the two never differ;
# a cross-built program cannot be run here to give it.
find_program(HELP2MAN help2man)
if(HELP2MAN AND NOT CMAKE_CROSSCOMPILING)
  set(man_page ${CMAKE_BINARY_DIR}/man/photoalbum-make.1)
  add_custom_command(OUTPUT ${man_page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${HELP2MAN} --no-info --section=1 --locale=C.UTF-8
      "--name=make a static HTML photo album from a folder of JPEG photos"
      --output=${man_page} $<TARGET_FILE:photoalbum-make>
    COMMAND gzip -9nf ${man_page}
    DEPENDS photoalbum-make
    COMMENT "Making the manual page of photoalbum-make"
    VERBATIM)
  add_custom_target(photoalbum-make-man ALL DEPENDS ${man_page}.gz)
  install(FILES ${man_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
elseif(NOT CMAKE_CROSSCOMPILING)
  message(WARNING "help2man not found: the manual page of photoalbum-make is not made")
endif()
