# Installs the build into a scratch prefix and checks the files a desktop needs.
file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(path
        bin/colvexa
        share/applications/colvexa.desktop
        share/metainfo/com.example.colvexa.metainfo.xml
        share/icons/hicolor/48x48/apps/colvexa.png
        share/icons/hicolor/16x16/apps/colvexa.png)
    if(NOT EXISTS "${STAGE}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
file(STRINGS "${STAGE}/share/applications/colvexa.desktop" wmclass REGEX "^StartupWMClass=")
if(NOT wmclass STREQUAL "StartupWMClass=colvexa")
    message(FATAL_ERROR "unexpected ${wmclass}")
endif()
