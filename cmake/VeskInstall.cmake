# Where `cmake --install` puts things, and the pieces the programs need to
# find them again from their own location under any prefix:
#   bin/                  vesk, vesk-cli
#   <libdir>/3dvesk/      the module, the components and the framework they share
#   <datadir>/3dvesk/     Skin/ and data/ (catalogue, sample draw history)
include(GNUInstallDirs)

set(VESK_INSTALL_PLUGINDIR ${CMAKE_INSTALL_LIBDIR}/3dvesk)
set(VESK_INSTALL_RESOURCEDIR ${CMAKE_INSTALL_DATADIR}/3dvesk)
set(VESK_APP_ID net.vesk3d.Vesk)

# Relative to bin/, so an install moved to another prefix keeps working.
file(RELATIVE_PATH VESK_PLUGINS_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${VESK_INSTALL_PLUGINDIR})
file(RELATIVE_PATH VESK_RESOURCES_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${VESK_INSTALL_RESOURCEDIR})

# `install` and `cpack` do not build everything first (tests, benchmarks):
# build the target install_parts, which is what they take, then install.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
add_custom_target(install_parts)

# Programs find the shared framework in the plug-in folder, plug-ins beside themselves.
set(CMAKE_INSTALL_RPATH "$ORIGIN/${VESK_PLUGINS_FROM_BIN};$ORIGIN")

# The version every program prints with --version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/app_version.h.in ${CMAKE_BINARY_DIR}/generated/app_version.h @ONLY)
add_library(vesk_version INTERFACE)
add_library(vesk::version ALIAS vesk_version)
target_include_directories(vesk_version INTERFACE ${CMAKE_BINARY_DIR}/generated)

# The targets of a folder and of every folder below it.
function(vesk_targets_below folder out)
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    foreach(subfolder ${subfolders})
        vesk_targets_below(${subfolder} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Every shared or plug-in library the build puts into the plug-in folder is
# installed, found at the end of configuration, so a component added in its
# own folder is packaged without a list to keep. Test and benchmark libraries
# stay out.
function(vesk_install_plugins)
    vesk_targets_below(${CMAKE_SOURCE_DIR} targets)
    foreach(target ${targets})
        get_target_property(type ${target} TYPE)
        get_target_property(folder ${target} SOURCE_DIR)
        get_target_property(excluded ${target} EXCLUDE_FROM_ALL)
        if(NOT type MATCHES "^(MODULE|SHARED)_LIBRARY$" OR excluded)
            continue()
        endif()
        if(folder MATCHES "^${CMAKE_SOURCE_DIR}/(tests|bench)(/|$)")
            continue()
        endif()
        install(TARGETS ${target} LIBRARY DESTINATION ${VESK_INSTALL_PLUGINDIR})
        add_dependencies(install_parts ${target})
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL vesk_install_plugins)
