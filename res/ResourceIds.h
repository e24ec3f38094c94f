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
#define IDD_KEEP_WORK 174     // ending with noted rows: save them first?

// Strings.
#define IDS_ABOUTBOX 101 // "Acerca de Tervan", the system menu's About item
// What the bench's parts are called and say to a screen reader, the keys'
// help, and the news of a noted row.
#define IDS_KEYS_HELP 2001
#define IDS_VALVE 2002
#define IDS_VALVE_OPEN 2003
#define IDS_VALVE_CLOSED 2004
#define IDS_VALVE_TURNING 2005
#define IDS_RIGHT_BRANCH 2006
#define IDS_BRANCH_LEVEL 2007 // the level the ruler shows at the mercury, %s cm
#define IDS_LEFT_AT_MARK 2008
#define IDS_LEFT_ABOVE_MARK 2009 // %s mm
#define IDS_LEFT_BELOW_MARK 2010 // %s mm
#define IDS_WATER_TEMP 2011
#define IDS_BOTTLE 2012
#define IDS_BOTTLE_ON_BENCH 2013
#define IDS_BOTTLE_CLOSED 2014
#define IDS_BOTTLE_SUBMERGED 2015
#define IDS_NOTEBOOK 2016      // %d, the page
#define IDS_NOTEBOOK_ROW 2017  // the number column's heading
#define IDS_NOTEBOOK_TEMP 2018 // the temperature column's heading
#define IDS_NOTEBOOK_LEVEL 2019
#define IDS_EQUATION 2020
#define IDS_STEP_UP 2021
#define IDS_STEP_DOWN 2022
#define IDS_ROW_NOTED 2023 // %d, %s degrees, %s cm
#define IDS_GAS_TEMP_C 2024
#define IDS_GAS_TEMP_K 2025
#define IDS_NOTEBOOK_COVER 2026
#define IDS_COVER_INITIAL 2027 // the pressure and room temperature noted
#define IDS_COVER_LEVEL 2028   // the initial level noted
// The notebook's way out: the window menu's items, the saved table's
// words, the file dialogs, the printed sheets and what the student is told.
#define IDS_SAVE_CSV 2040
#define IDS_SAVE_PNG 2041
#define IDS_PRINT 2042
#define IDS_GUIDE 2043
#define IDS_CSV_HEADER 2044 // the table's header row, fields parted by ';'
#define IDS_CSV_SLOPE 2045
#define IDS_CSV_INTERCEPT 2046
#define IDS_CSV_FILTER 2047
#define IDS_PNG_FILTER 2048
#define IDS_SAVE_CSV_TITLE 2049
#define IDS_SAVE_PNG_TITLE 2050
#define IDS_SAVE_FAILED 2051   // %s, the file
#define IDS_SAVED 2052         // %s, the file
#define IDS_PRINT_TITLE 2053   // %s, the date
#define IDS_PRINT_CAPTION 2054 // %s the date, %d the sheet, %d of how many
#define IDS_PRINT_FAILED 2055
#define IDS_GUIDE_MISSING 2056

// Commands of the window menu's notebook items. Each masked with 0xFFF0 is
// itself, and none is the About item's 16.
#define IDM_SAVE_CSV 0x0020
#define IDM_SAVE_PNG 0x0030
#define IDM_PRINT 0x0040
#define IDM_GUIDE 0x0050

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
// Parts of the main window's client area: the bench's valve and right
// branch (tab stops), its readings, the notebook, and the two step buttons
// that move the branch a pixel a tap.
#define IDC_VALVE 1020
#define IDC_RIGHT_BRANCH 1021
#define IDC_THERMOMETER 1022
#define IDC_BOTTLE 1023
#define IDC_NOTEBOOK 1024
#define IDC_EQUATION 1025
#define IDC_STEP_UP 1026
#define IDC_STEP_DOWN 1027

// Controls of the other dialogs.
#define IDC_ABOUT_TEXT 1001   // the About box's panel
#define IDC_WARNING_TEXT 1005 // the warning's message
#define IDC_LEVEL 1007        // the level typed in centimetres
#define IDC_KEEP_SAVE 1030    // "Desa…": save the rows, then end
#define IDC_KEEP_DISCARD 1031 // "No desis": end without saving
