# The `windows` preset's toolchain: MinGW-w64, the static Qt for Windows that
# `tools/setup windows` builds into the cache, the host's Qt tools (moc, rcc,
# uic) for the steps that run here, and Wine to run what is built.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/../tools/cache-dir
    OUTPUT_VARIABLE ludrix_cache OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# tools/windows-qt points this link at the build that matches this machine's
# Qt version and the configuration it asks for.
set(LUDRIX_WINDOWS_QT ${ludrix_cache}/qt-windows CACHE PATH "The static Qt built for Windows")
if(NOT EXISTS ${LUDRIX_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake)
    message(FATAL_ERROR "No Qt for Windows in ${LUDRIX_WINDOWS_QT}: run tools/setup windows first")
endif()
list(APPEND CMAKE_PREFIX_PATH ${LUDRIX_WINDOWS_QT})
list(APPEND CMAKE_FIND_ROOT_PATH ${LUDRIX_WINDOWS_QT})
# Debian 13's Qt source, unlike 12's, has a program that finds Qt skip its
# plugins (Debian packages them apart); built static, that leaves the program
# without its platform plugin, and it cannot start.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# Each build tree runs its programs in a Wine prefix of its own, so that two
# clones, or a run after a killed one, never share a Wine server.
set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine ${CMAKE_CURRENT_LIST_DIR}/../tools/wine)
