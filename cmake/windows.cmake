# The `windows` preset's toolchain: MinGW-w64, the static Qt for Windows that
# `tools/setup windows` builds into the cache, the host's Qt tools (moc, rcc,
# uic) for the steps that run here, and Wine to run what is built.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(DEFINED ENV{XDG_CACHE_HOME})
    set(ludrix_cache $ENV{XDG_CACHE_HOME}/ludrix)
else()
    set(ludrix_cache $ENV{HOME}/.cache/ludrix)
endif()
# tools/windows-qt points this link at the build that matches this machine's
# Qt version and the configuration it asks for.
set(LUDRIX_WINDOWS_QT ${ludrix_cache}/qt-windows CACHE PATH "The static Qt built for Windows")
if(NOT EXISTS ${LUDRIX_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake)
    message(FATAL_ERROR "No Qt for Windows in ${LUDRIX_WINDOWS_QT}: run tools/setup windows first")
endif()
list(APPEND CMAKE_PREFIX_PATH ${LUDRIX_WINDOWS_QT})
list(APPEND CMAKE_FIND_ROOT_PATH ${LUDRIX_WINDOWS_QT})
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine)
