list(APPEND ZELT_CORE_SOURCES
    launcher/board/board_geometry.cpp
    launcher/board/board_mouse.cpp
    launcher/board/icon_cache.cpp
    launcher/board/icon_extract.cpp
    launcher/board/icons_file.cpp
    launcher/board/icon_table.cpp
    launcher/board/icon_drop.cpp)
list(APPEND ZELT_WIN_SOURCES
    launcher/board/icon_table_win.cpp
    launcher/board/board_paint.cpp
    launcher/board/board_mouse_win.cpp
    launcher/board/hover_label.cpp)
