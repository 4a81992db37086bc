list(APPEND ZELT_CORE_SOURCES
    launcher/common/text.cpp
    launcher/common/number.cpp
    launcher/common/paths.cpp
    launcher/common/file_save.cpp
    launcher/common/code_page.cpp
    launcher/common/platform.cpp)
list(APPEND ZELT_WIN_SOURCES
    launcher/common/window.cpp
    launcher/common/code_page_win.cpp
    launcher/common/list_view.cpp)
