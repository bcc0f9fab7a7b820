# The Windows packages: corvalen.exe with exactly the Qt DLLs and plugins it
# loads and the compiler's runtime, laid out so that the program runs from
# wherever the files lie. "cpack" in the build tree writes them as a portable
# zip and as a per-user installer (NSIS, from cmake/NSIS.template.in);
# "cmake --install" lays them out in a folder.

# The program draws only PNG pictures, which QtGui reads itself, so no image
# format plugin is shipped.
install(FILES
    $<TARGET_FILE:Qt::Core>
    $<TARGET_FILE:Qt::Gui>
    $<TARGET_FILE:Qt::Widgets>
    DESTINATION .)
install(FILES $<TARGET_FILE:Qt${CORVALEN_QT}::QWindowsIntegrationPlugin> DESTINATION platforms)
if(TARGET Qt${CORVALEN_QT}::QWindowsVistaStylePlugin)
    install(FILES $<TARGET_FILE:Qt${CORVALEN_QT}::QWindowsVistaStylePlugin> DESTINATION styles)
endif()

if(MINGW)
    # The runtime the program was linked against, asked of the compiler
    # itself; shipped stripped (libstdc++ shrinks from 23 MB to 2 MB).
    set(runtime_folder ${CMAKE_BINARY_DIR}/mingw-runtime)
    file(MAKE_DIRECTORY ${runtime_folder})
    foreach(runtime libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(
            COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
            OUTPUT_VARIABLE runtime_path
            OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
            message(FATAL_ERROR "The compiler does not know where ${runtime} is")
        endif()
        execute_process(
            COMMAND ${CMAKE_STRIP} -o ${runtime_folder}/${runtime} ${runtime_path}
            RESULT_VARIABLE strip_status)
        if(NOT strip_status EQUAL 0)
            message(FATAL_ERROR "Could not strip ${runtime_path}")
        endif()
        install(FILES ${runtime_folder}/${runtime} DESTINATION .)
    endforeach()
elseif(MSVC)
    set(CMAKE_INSTALL_SYSTEM_RUNTIME_DESTINATION .)
    include(InstallRequiredSystemLibraries)
endif()

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_NAME corvalen)
set(CPACK_PACKAGE_FILE_NAME corvalen-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_VENDOR Orvessa)
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/images/logo.ico)
include(CPack)
