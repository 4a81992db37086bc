list(APPEND ZELT_CORE_SOURCES)
list(APPEND ZELT_WIN_SOURCES
    launcher/command/launch_slot.cpp)
