list(APPEND ZELT_CORE_SOURCES
    launcher/shell/window_place.cpp)
list(APPEND ZELT_WIN_SOURCES
    launcher/shell/main_window.cpp
    launcher/shell/tray_hotkey.cpp
    launcher/shell/menus.cpp
    launcher/shell/platform_win.cpp
    launcher/shell/host_process.cpp
    hook/hook_flag.cpp)
