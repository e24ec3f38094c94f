// Every resource of the program by name: the dialog templates and their
// controls, the bitmaps, the icon and the strings. The numbers live here
// only; code, templates and tests use the names. Plain macros, as the
// resource compiler reads this file too.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100      // the About box
#define IDD_TERVAN_DIALOG 102 // the main window: the lab bench
#define IDD_SPLASH 168        // the title dialog
#define IDD_WARNING 170       // a wrong or risky step explained
#define IDD_LEVEL 173         // the level read on the ruler

// Strings.
#define IDS_ABOUTBOX 101 // "Acerca de Tervan", the system menu's About item

// The application icon.
#define IDR_MAINFRAME 128

// Bitmaps of the bench.
#define IDB_STOPPER 134
#define IDB_BOTTLE 135
#define IDB_TUBE_H 136 // the horizontal tube from the stopper to the valve
// The valve's six pictures, from open (handle vertical) to closed (handle
// horizontal); a turning valve shows each in turn.
#define IDB_VALVE_OPEN 137
#define IDB_VALVE_CLOSED 142
#define IDB_FUNNEL 143      // a tube's flared open mouth
#define IDB_TUBE_V 144      // the valve column and the movable right branch
#define IDB_THERMOMETER 145 // the digital thermometer's case
// The thermometer's seven-segment cells: digits 0 to 9 are IDB_DIGIT_0 + d.
#define IDB_DIGIT_0 146
#define IDB_DIGIT_BLANK 156
#define IDB_DIGIT_POINT 157
#define IDB_DIGIT_MINUS 158
#define IDB_DIGIT_E 159
#define IDB_DIGIT_R 160
#define IDB_GAUGE 163       // the side gauge's picture of the submerged apparatus
#define IDB_GAUGE_TUBE 165  // the side gauge's small right branch
#define IDB_LEFT_BRANCH 166 // the fixed left branch below the valve
// Bitmaps of the dialogs and the notebook.
#define IDB_TITLE 167         // the title dialog's picture
#define IDB_STOP_SIGN 169     // the warning dialog's stop sign
#define IDB_NOTEBOOK_PAGE 171 // one page of the lab notebook
#define IDB_BANNER 172        // the maker's banner in the main window

// Controls of the main window.
#define IDC_TANCA_BOTELLA 1000
#define IDC_ESCALFAR_AIGUA 1001
#define IDC_SUBMERGIR_BOTELLA 1002
#define IDC_REFREDAR_AIGUA 1003
#define IDC_INF 1004
#define IDC_ANOTA_VALORS_INICIALS 1005
#define IDC_GAS_TEMP_C 1006 // the gas temperature in degrees Celsius
#define IDC_GAS_TEMP_K 1007 // and in kelvin
#define IDC_ANOTA_NIVELL_INICIAL 1008
#define IDC_PAGE_FIRST 1009 // "1"
#define IDC_PAGE_PREV 1010  // "<"
#define IDC_ANOTACIO 1011
#define IDC_PAGE_NEXT 1013 // ">"

// Controls of the other dialogs.
#define IDC_ABOUT_TEXT 1001   // the About box's panel
#define IDC_WARNING_TEXT 1005 // the warning's message
#define IDC_LEVEL 1007        // the level typed in centimetres
