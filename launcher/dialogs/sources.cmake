list(APPEND ZELT_CORE_SOURCES launcher/dialogs/icon_validation.cpp launcher/dialogs/settings_validation.cpp)
list(APPEND ZELT_WIN_SOURCES
    launcher/dialogs/browse_for_file.cpp
    launcher/dialogs/icon_chooser.cpp
    launcher/dialogs/icon_edit_dialog.cpp
    launcher/dialogs/about_dialog.cpp
    launcher/dialogs/active_dialog.cpp
    launcher/dialogs/settings_dialog.cpp)
