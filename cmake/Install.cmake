# What `cmake --install` puts under the prefix: the app with its artwork, its desktop integration,
# and the chart library (headers, static libraries, a CMake package and a pkg-config file).
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(TINCTURA_APP_ID org.tinctura.Tinctura)
set(TINCTURA_VERSION 1.0.0)
set(TINCTURA_ASSETS_DESTINATION ${CMAKE_INSTALL_DATADIR}/tinctura/assets)
set(TINCTURA_LIB_DESTINATION ${CMAKE_INSTALL_LIBDIR}/tinctura)
set(TINCTURA_INCLUDE_DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tinctura)
set(TINCTURA_PACKAGE_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/TincturaCharting)

# --- The app -----------------------------------------------------------------------------------

install(TARGETS tinctura RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS tinctura-window tinctura-postgres LIBRARY DESTINATION ${TINCTURA_LIB_DESTINATION})
install(DIRECTORY assets/ DESTINATION ${TINCTURA_ASSETS_DESTINATION} FILES_MATCHING PATTERN "*.svg")

# The installed app finds its artwork from where its executable lies, whatever the prefix.
file(RELATIVE_PATH assets_from_bindir
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${TINCTURA_ASSETS_DESTINATION})
set_property(SOURCE kit/ui/Assets.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS TINCTURA_ASSETS_FROM_BINDIR="${assets_from_bindir}"
                                 TINCTURA_SOURCE_ASSETS_DIR="${PROJECT_SOURCE_DIR}/assets")

# And its modules from there too.
file(RELATIVE_PATH modules_from_bindir
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${TINCTURA_LIB_DESTINATION})
set_property(SOURCE kit/base/SharedModule.cpp APPEND PROPERTY
             COMPILE_DEFINITIONS TINCTURA_MODULES_FROM_BINDIR="${modules_from_bindir}")

configure_file(packaging/tinctura.desktop.in ${CMAKE_BINARY_DIR}/${TINCTURA_APP_ID}.desktop @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${TINCTURA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(packaging/tinctura.metainfo.xml.in ${CMAKE_BINARY_DIR}/${TINCTURA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/${TINCTURA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Theme icons, rendered from the app's own logo.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_source ${PROJECT_SOURCE_DIR}/assets/about-logo.svg)
set(icon_files)
foreach(size 16 24 32 48 64 128 256 512)
  set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${TINCTURA_APP_ID}.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${icon} ${icon_source}
    DEPENDS ${icon_source} VERBATIM)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  list(APPEND icon_files ${icon})
endforeach()
add_custom_target(tinctura_icons DEPENDS ${icon_files})
# Whoever builds the app (scripts/run builds only that target) can install it.
add_dependencies(tinctura tinctura_icons)
install(FILES ${icon_source} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TINCTURA_APP_ID}.svg)

# --- The chart library -------------------------------------------------------------------------

# The headers of what is installed: charting and the part of kit it draws with.
foreach(dir charting ${TINCTURA_KIT_CORE_FOLDERS})
  install(DIRECTORY ${dir}/ DESTINATION ${TINCTURA_INCLUDE_DESTINATION}/${dir} FILES_MATCHING PATTERN "*.h"
          REGEX "${TINCTURA_KIT_ABOVE_CORE}" EXCLUDE)
endforeach()
foreach(target kit_core charting)
  # In the tree the headers are found from the source root; installed, from the include folder.
  set_property(TARGET ${target} PROPERTY INTERFACE_INCLUDE_DIRECTORIES
               $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}> $<INSTALL_INTERFACE:${TINCTURA_INCLUDE_DESTINATION}>)
endforeach()
if(TINCTURA_SANITIZE)
  # Objects built with the sanitizers need their runtime in whatever links them.
  target_link_options(kit_core INTERFACE $<INSTALL_INTERFACE:-fsanitize=address,undefined>)
  set(TINCTURA_PC_LINK_FLAGS " -fsanitize=address,undefined")
endif()
install(TARGETS kit_core charting EXPORT TincturaChartingTargets ARCHIVE DESTINATION ${TINCTURA_LIB_DESTINATION})
install(EXPORT TincturaChartingTargets NAMESPACE TincturaCharting:: DESTINATION ${TINCTURA_PACKAGE_DESTINATION})

# The package finds again what the libraries link: each `Package::Target` of kit_core's and
# charting's interface, and the pkg-config modules behind each `PkgConfig::NAME` under that same name.
set(TINCTURA_FIND_DEPENDENCIES "")
set(pc_requires "")
set(TINCTURA_PC_LIBS "")
foreach(target kit_core charting)
  get_target_property(links ${target} INTERFACE_LINK_LIBRARIES)
  foreach(link IN LISTS links)
    if(link MATCHES "^PkgConfig::(.+)$")
      set(prefix ${CMAKE_MATCH_1})
      # pkg_check_modules remembers what it was asked, to notice a change; the modules are in there.
      set(modules ${__pkg_config_arguments_${prefix}})
      list(REMOVE_ITEM modules REQUIRED QUIET IMPORTED_TARGET GLOBAL NO_CMAKE_PATH NO_CMAKE_ENVIRONMENT_PATH)
      if(NOT modules)
        message(FATAL_ERROR "Install.cmake: cannot tell which pkg-config modules ${link} stands for")
      endif()
      list(JOIN modules " " module_words)
      string(APPEND TINCTURA_FIND_DEPENDENCIES "tinctura_charting_find_modules(${prefix} ${module_words})\n")
      list(APPEND pc_requires ${modules})
    elseif(link STREQUAL "Threads::Threads")
      string(APPEND TINCTURA_FIND_DEPENDENCIES "find_dependency(Threads)\n")
      string(APPEND TINCTURA_PC_LIBS " -pthread")
    elseif(link MATCHES "^([A-Za-z0-9_]+)::")
      # Packages whose CMake name is also their pkg-config name (nlohmann_json).
      string(APPEND TINCTURA_FIND_DEPENDENCIES "find_dependency(${CMAKE_MATCH_1})\n")
      list(APPEND pc_requires ${CMAKE_MATCH_1})
    endif()
  endforeach()
endforeach()
list(REMOVE_DUPLICATES pc_requires)
list(JOIN pc_requires " " TINCTURA_PC_REQUIRES)
string(APPEND TINCTURA_PC_LIBS "${TINCTURA_PC_LINK_FLAGS}")

configure_package_config_file(packaging/TincturaChartingConfig.cmake.in
  ${CMAKE_BINARY_DIR}/TincturaChartingConfig.cmake INSTALL_DESTINATION ${TINCTURA_PACKAGE_DESTINATION})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/TincturaChartingConfigVersion.cmake
  VERSION ${TINCTURA_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/TincturaChartingConfig.cmake ${CMAKE_BINARY_DIR}/TincturaChartingConfigVersion.cmake
        DESTINATION ${TINCTURA_PACKAGE_DESTINATION})

# Relative to the file itself, so the prefix given at install time holds.
file(RELATIVE_PATH TINCTURA_PC_TO_PREFIX ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig ${CMAKE_INSTALL_PREFIX})
string(REGEX REPLACE "/$" "" TINCTURA_PC_TO_PREFIX "${TINCTURA_PC_TO_PREFIX}")
configure_file(packaging/tinctura-charting.pc.in ${CMAKE_BINARY_DIR}/tinctura-charting.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/tinctura-charting.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
