list(APPEND ZELT_CORE_SOURCES)
list(APPEND ZELT_WIN_SOURCES
    launcher/shell/main_window.cpp
    launcher/shell/tray_hotkey.cpp
    launcher/shell/menus.cpp
    launcher/shell/list_views.cpp)
