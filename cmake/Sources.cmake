# Every folder's sources are picked up by glob, so adding a file needs no edit here.
# Folders built as modules of their own (tinctura_module) are left out of the folders around them.
set(TINCTURA_MODULE_FOLDERS kit/host/window kit/store/postgres)

# The part of kit that charts draw with (drawing, text, views, run loop, layout), which the chart
# package installs: it needs Cairo and Pango, not the store, media, AR, hosts or SVG artwork.
set(TINCTURA_KIT_CORE_FOLDERS kit/base kit/graphics kit/layout kit/runtime kit/text kit/ui)
# Files of those folders that need the rest of kit: app texts (JSON), SVG artwork, the photo library
# and the documents folder, and the alerts that show localised texts.
set(TINCTURA_KIT_ABOVE_CORE "/kit/(text/Localization|ui/(Assets|ImagePicker|ActivitySheet|Alert))[^/]*$")

function(tinctura_sources out)
  set(files)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    foreach(module IN LISTS TINCTURA_MODULE_FOLDERS)
      if(NOT dir STREQUAL module)
        list(FILTER found EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/${module}/")
      endif()
    endforeach()
    list(APPEND files ${found})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(tinctura_library name)
  tinctura_sources(files ${ARGN})
  tinctura_library_of_files(${name} ${files})
endfunction()

function(tinctura_library_of_files name)
  set(files ${ARGN})
  if(NOT files)
    # A library whose folders are still empty: keep the target so that dependents link.
    set(files ${CMAKE_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${files} "")
  endif()
  add_library(${name} STATIC ${files})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A part of kit that only some starts need, with the library it alone uses: the module
# libtinctura-NAME.so, which the executable loads when it needs it, and NAME_objects for programs
# that link the code in directly (tests, benchmarks). The module takes kit from the executable
# that loads it, so it links its own library only.
function(tinctura_module name folder library)
  tinctura_sources(files ${folder})
  add_library(${name}_objects OBJECT ${files})
  set_target_properties(${name}_objects PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_link_libraries(${name}_objects PUBLIC kit ${library})
  add_library(tinctura-${name} MODULE $<TARGET_OBJECTS:${name}_objects>)
  target_link_libraries(tinctura-${name} PRIVATE ${library})
  # Beside the executable, where the build tree's app looks for it.
  set_target_properties(tinctura-${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
endfunction()
