// Resource numbers shared by the resource script and the code.
#pragma once

#define IDI_LAUNCHER 101
#define IDC_HAND_POINT 105
#define IDC_HAND_FRAME 108

// --- Menus and dialogs -------------------------------------------------------------------------
// Menu 102: popup 0 (Main) and popup 1 (Icon), used by position.
#define IDR_MAINMENU 102
#define IDM_SHOWHIDE 40001
#define IDM_SETTINGS 40003
#define IDM_EXIT 40011
#define IDM_ABOUT 40012
#define IDM_EDITICON 40013
#define IDM_DELETEICON 40014

#define IDD_ABOUT 106
#define IDD_ICONEDIT 107
#define IDD_SETTINGS 108

// Shared by the three dialogs.
#define IDC_OK 1084
#define IDC_CANCEL 1085

// Icon registration dialog (107).
#define IDC_TITLE_LABEL 1001
#define IDC_LINK_LABEL 1002
#define IDC_WORKDIR_LABEL 1003
#define IDC_ICONFILE_LABEL 1004
#define IDC_SELECTED_LABEL 1005
#define IDC_COMMAND_LABEL 1006
#define IDC_TITLE 1007
#define IDC_LINK 1008
#define IDC_WORKDIR 1009
#define IDC_ICONFILE 1010
#define IDC_PREVIEW 1011
#define IDC_ICONBROWSE 1012
#define IDC_ICONCHOOSER 1013
#define IDC_COMMAND 1014

// Settings dialog (108).
#define IDC_CURDIR_LABEL 1015
#define IDC_PLUS_LABEL 1016
#define IDC_GENERAL_GROUP 1017
#define IDC_WINR 1018
#define IDC_CMDEXE 1019
#define IDC_CMDCURDIR 1020
#define IDC_SHORTCUT 1021
#define IDC_KEYALT 1022
#define IDC_KEYCTRL 1023
#define IDC_KEYSHIFT 1024
#define IDC_KEYBOX 1025
#define IDC_COMPLEMENT 1026
#define IDC_BMPPATH_LABEL 1027
#define IDC_POS_LABEL 1028
#define IDC_POSX_LABEL 1029
#define IDC_POSY_LABEL 1030
#define IDC_RATE_LABEL 1031
#define IDC_BITMAP 1032
#define IDC_BMPBROWSE 1033
#define IDC_COUNT_LABEL 1034
#define IDC_POSLEFT 1035
#define IDC_POSLEFT_SPIN 1036
#define IDC_POSTOP 1037
#define IDC_POSTOP_SPIN 1038
#define IDC_DSPBMP 1039
#define IDC_ICONRECT 1040
#define IDC_RATEX 1041
#define IDC_RATEX_SPIN 1042
#define IDC_RATEY 1043
#define IDC_RATEY_SPIN 1044
#define IDC_RATEX_LABEL 1045
#define IDC_RATEY_LABEL 1046
#define IDC_BACKGROUND_GROUP 1047
#define IDC_PAGE_GROUP 1049
#define IDC_PAGETITLE_LABEL0 1049 // label of page n is 1049 + n
#define IDC_PAGETITLE0 1062       // box of page n is 1062 + n
#define IDC_PAGECOUNT_LABEL 1077
#define IDC_ICON_GROUP 1079
#define IDC_ROWS 1081
#define IDC_ROWS_SPIN 1083
#define IDC_COLUMNS 1086
#define IDC_COLUMNS_SPIN 1087
#define IDC_ROWS_LABEL 1088
#define IDC_COLUMNS_LABEL 1089
#define IDC_PAGECOUNT 1090
#define IDC_PAGECOUNT_SPIN 1091

// About dialog (106).
#define IDC_ABOUT_ICON 1076
#define IDC_ABOUT_NAME 1078
#define IDC_ABOUT_VERSION 1080
