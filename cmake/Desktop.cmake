# How the desktop knows the program: one id names the desktop entry, the
# AppStream metainfo, the themed icon and the Wayland app id of every window.
set(PHOTOALBUM_APP_ID org.example.photoalbum)
set(PHOTOALBUM_RELEASE_DATE 2026-12-07)

# The application icon: a hand-drawn SVG and the PNG sizes rendered from it
# (assets/icons/photoalbum-<size>.png).
file(GLOB PHOTOALBUM_ICON_PNGS ${CMAKE_SOURCE_DIR}/assets/icons/photoalbum-*.png)
set(PHOTOALBUM_ICON_SVG ${CMAKE_SOURCE_DIR}/assets/icons/photoalbum.svg)

# The windows take the same pictures from the resources, as :/icons/...
if(TARGET photoalbum_wizard)
  qt_add_resources(photoalbum_wizard photoalbum_icon
    PREFIX /icons
    BASE ${CMAKE_SOURCE_DIR}/assets/icons
    FILES ${PHOTOALBUM_ICON_PNGS})
  target_compile_definitions(photoalbum_wizard PRIVATE
    PHOTOALBUM_APP_ID="${PHOTOALBUM_APP_ID}")
endif()

set(PHOTOALBUM_DESKTOP_FILE ${CMAKE_BINARY_DIR}/packaging/${PHOTOALBUM_APP_ID}.desktop)
set(PHOTOALBUM_METAINFO_FILE ${CMAKE_BINARY_DIR}/packaging/${PHOTOALBUM_APP_ID}.metainfo.xml)
configure_file(packaging/photoalbum.desktop.in ${PHOTOALBUM_DESKTOP_FILE} @ONLY)
configure_file(packaging/photoalbum.metainfo.xml.in ${PHOTOALBUM_METAINFO_FILE} @ONLY)
