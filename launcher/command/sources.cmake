list(APPEND ZELT_CORE_SOURCES
    launcher/command/command_match.cpp
    launcher/command/command_keys.cpp
    launcher/command/command_run.cpp)
list(APPEND ZELT_WIN_SOURCES launcher/command/command_box.cpp)
