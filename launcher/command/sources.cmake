list(APPEND ZELT_CORE_SOURCES
    launcher/command/command_match.cpp
    launcher/command/command_keys.cpp
    launcher/command/command_run.cpp
    launcher/command/completion_rules.cpp
    launcher/command/image_map.cpp)
list(APPEND ZELT_WIN_SOURCES
    launcher/command/command_box.cpp
    launcher/command/command_font.cpp
    launcher/command/completion_list.cpp
    launcher/command/completion_images.cpp
    launcher/command/completion_order_win.cpp)
