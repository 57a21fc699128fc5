# The scripted desktop that the wizard's tests, its benchmark and the screenshot
# tool run the windows on. Both tests/ and bench/wizard/ include this file; the
# first to do so defines the library.
if(NOT TARGET photoalbum_scripted_desktop)
  add_library(photoalbum_scripted_desktop STATIC ${CMAKE_CURRENT_LIST_DIR}/ScriptedDesktop.cpp)
  target_include_directories(photoalbum_scripted_desktop PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(photoalbum_scripted_desktop PUBLIC photoalbum_wizard)
endif()
