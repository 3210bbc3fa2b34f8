# The Debian package, `make package`: build/sluicery_<version>_<arch>.deb, made by CPack from
# the install rules of app/ with the prefix /usr, the program stripped.
set(CPACK_SLCY_BUILD_TYPE "${CMAKE_BUILD_TYPE}")
set(CPACK_SLCY_SANITIZE ${SLCY_SANITIZE})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/check_build.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/installed_size.cmake)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sluicery)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Wumple Games")
set(CPACK_PACKAGE_CONTACT "Wumple Games <packages@wumple-games.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://wumple-games.example/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pipe puzzle: turn the pipes until the water reaches every piece")
set(CPACK_PACKAGE_DESCRIPTION [[
A board of ten by eight cells holds pipe pieces: end pieces, bends, straight
pipes, tees and crosses. Water runs from a source through every pipe whose
openings meet. Click a piece that carries water to turn it; the clicked piece
becomes the new source. A level is solved when every piece carries water before
the countdown runs out.

500 levels, in German and English, with progress files, sound and illustrated
rules.]])

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# What the program loads at run time without linking it: Qt's platform plugin, the sound
# server's client library (loaded by the sound output), and the fonts its windows ask for
# ("Liberation Sans"). The pictures are all PNG, which the program reads with libpng (linked).
# A plugin that comes in a package the program links anyway is already among the computed
# dependencies.
function(slcy_package_of file out)
    execute_process(COMMAND dpkg-query -S ${file} OUTPUT_VARIABLE owner ERROR_QUIET
                    RESULT_VARIABLE failed)
    string(REGEX MATCH "^[^:]+" owner "${owner}")
    if(failed)
        set(owner "")
    endif()
    set(${out} "${owner}" PARENT_SCOPE)
endfunction()

# Qt's Wayland platform, which most desktops now run: without it Qt falls back to XWayland.
set(slcy_runtime_depends "fonts-liberation | fonts-liberation2" qt6-wayland)
if(TARGET Qt6::QXcbIntegrationPlugin)
    get_target_property(platform_plugin Qt6::QXcbIntegrationPlugin LOCATION)
    get_target_property(gui_library Qt6::Gui LOCATION)
    slcy_package_of(${platform_plugin} plugin_package)
    slcy_package_of(${gui_library} gui_package)
    if(plugin_package AND NOT plugin_package STREQUAL gui_package)
        list(APPEND slcy_runtime_depends ${plugin_package})
    endif()
endif()
# The package of the library itself, not of the development link to it.
find_library(slcy_pulse_library pulse)
if(slcy_pulse_library)
    file(REAL_PATH ${slcy_pulse_library} pulse_library_file)
    slcy_package_of(${pulse_library_file} pulse_package)
    if(pulse_package)
        list(APPEND slcy_runtime_depends ${pulse_package})
    endif()
endif()
list(JOIN slcy_runtime_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

# The package is made from what is built (`make package` builds first): packing never starts a
# build of its own, which could relink a program while the tests run it.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
