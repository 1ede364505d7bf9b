# The Windows build: Qt for Windows cross-built with mingw-w64 (scripts/windows). The views, the
# session and the configuration are the same sources as on Linux; the platform services that
# talk to the system come from src/platform/win in place of their POSIX, X11 and D-Bus twins.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Multimedia Network HttpServer WebSockets Test)

set(HORALTO_WIN_DIR ${CMAKE_SOURCE_DIR}/src/platform/win)
set(HORALTO_REGULAR_FILE_SOURCES ${HORALTO_WIN_DIR}/WinRegularFile.cpp ${HORALTO_WIN_DIR}/WinFiles.cpp)

# The configuration files' POSIX calls and ICU's charset detector.
function(horalto_windows_core_sources var)
  set(list ${${var}})
  list(REMOVE_ITEM list ${CMAKE_SOURCE_DIR}/src/config/AtomicFile.cpp ${CMAKE_SOURCE_DIR}/src/config/RegularFile.cpp
    ${CMAKE_SOURCE_DIR}/src/config/IniCharsets.cpp)
  list(APPEND list ${HORALTO_WIN_DIR}/WinAtomicFile.cpp ${HORALTO_WIN_DIR}/WinRegularFile.cpp
    ${HORALTO_WIN_DIR}/WinIniCharsets.cpp ${HORALTO_WIN_DIR}/WinFiles.cpp ${HORALTO_WIN_DIR}/WinFiles.h)
  set(${var} ${list} PARENT_SCOPE)
endfunction()

# Hotkeys, the single instance, the screen saver, the records file, the program's folder.
function(horalto_windows_sources var)
  set(list ${${var}})
  foreach(f config/AtomicFile.cpp config/RegularFile.cpp config/IniCharsets.cpp platform/ProgramEnv.cpp platform/records/RecordFile.cpp platform/instance/LocalInstanceChannel.cpp
            platform/instance/LocalInstanceChannel.h platform/instance/QuitSignals.cpp
            platform/desktop/DesktopScreenSaver.cpp platform/desktop/DesktopScreenSaver.h
            platform/desktop/X11WindowMove.cpp platform/hotkeys/KeyEvents.cpp platform/hotkeys/VirtualKeys.cpp
            platform/hotkeys/X11Hotkeys.cpp platform/hotkeys/X11Hotkeys.h
            platform/hotkeys/PortalHotkeys.cpp platform/hotkeys/PortalHotkeys.h
            platform/hotkeys/GioKeySettings.cpp platform/hotkeys/GioKeySettings.h platform/ProcessStart.cpp
            app/DesktopKeysCommand.cpp)
    list(REMOVE_ITEM list ${CMAKE_SOURCE_DIR}/src/${f})
  endforeach()
  file(GLOB win CONFIGURE_DEPENDS ${HORALTO_WIN_DIR}/*.cpp ${HORALTO_WIN_DIR}/*.h)
  list(REMOVE_ITEM win ${HORALTO_WIN_DIR}/WinAtomicFile.cpp ${HORALTO_WIN_DIR}/WinRegularFile.cpp
    ${HORALTO_WIN_DIR}/WinIniCharsets.cpp ${HORALTO_WIN_DIR}/WinFiles.cpp ${HORALTO_WIN_DIR}/WinFiles.h
    ${HORALTO_WIN_DIR}/WinMain.cpp)
  list(APPEND list ${win})
  set(${var} ${list} PARENT_SCOPE)
endfunction()

# Horalto.exe: a GUI program (no console window) with its icon and version resource.
function(horalto_windows_executable)
  enable_language(RC)
  add_executable(horalto WIN32 ${HORALTO_WIN_DIR}/WinMain.cpp ${CMAKE_SOURCE_DIR}/resources/windows/horalto.rc)
  set_target_properties(horalto PROPERTIES OUTPUT_NAME Horalto)
  target_link_libraries(horalto PRIVATE horalto_lib)
  target_link_libraries(horalto_lib PUBLIC user32 advapi32)
endfunction()

# The program folder as the zip and the installer hold it (scripts/windows):
# Horalto.exe, its modules, wav/, the Qt DLLs and plugins, the mingw runtime.
function(horalto_windows_install)
  install(TARGETS horalto RUNTIME DESTINATION .)
  install(TARGETS ${HORALTO_MODULES} LIBRARY DESTINATION . RUNTIME DESTINATION .)
  install(FILES ${HORALTO_WAVS} DESTINATION wav)
endfunction()
