# vesk_add_subfolders([EXCEPT <name>...])
# Adds every direct subfolder of the current source folder that has a
# CMakeLists.txt, in name order. Folders that hold one piece each (tools,
# components, pages, fuzz targets) grow by adding a subfolder, nothing else.
function(vesk_add_subfolders)
    cmake_parse_arguments(S "" "" "EXCEPT" ${ARGN})
    file(GLOB entries LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    list(SORT entries)
    foreach(dir ${entries})
        get_filename_component(name ${dir} NAME)
        if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt AND NOT name IN_LIST S_EXCEPT)
            add_subdirectory(${dir})
        endif()
    endforeach()
endfunction()
