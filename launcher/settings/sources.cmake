list(APPEND ZELT_CORE_SOURCES launcher/settings/settings_store.cpp launcher/settings/settings_validation.cpp)
list(APPEND ZELT_WIN_SOURCES launcher/settings/settings_file.cpp)
