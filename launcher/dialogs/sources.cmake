list(APPEND ZELT_CORE_SOURCES launcher/dialogs/icon_validation.cpp)
list(APPEND ZELT_WIN_SOURCES)
