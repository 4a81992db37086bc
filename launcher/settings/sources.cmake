list(APPEND ZELT_CORE_SOURCES launcher/settings/settings_store.cpp)
list(APPEND ZELT_WIN_SOURCES launcher/settings/settings_store_win.cpp)
