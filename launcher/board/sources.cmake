list(APPEND ZELT_CORE_SOURCES
    launcher/board/paths.cpp
    launcher/board/board_geometry.cpp)
list(APPEND ZELT_WIN_SOURCES)
