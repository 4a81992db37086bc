list(APPEND ZELT_CORE_SOURCES
    launcher/board/paths.cpp
    launcher/board/board_geometry.cpp
    launcher/board/icon_table.cpp)
list(APPEND ZELT_WIN_SOURCES
    launcher/board/icon_table_win.cpp
    launcher/board/board_paint.cpp
    launcher/board/board_input.cpp)
