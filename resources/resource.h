// Identifiers shared by the program's code and its resource scripts.
#pragma once

#define IDS_MSG_DECOMPRESS_6_HOURS          1206
#define IDS_MSG_24_HOUR_LIMIT               1227
#define IDS_MSG_UNABLE_TO_OPEN_FILE         1228
#define IDS_MSG_INVALID_RATES               1230
#define IDS_MSG_INVALID_GRADIENT_FACTORS    1231
#define IDS_MSG_INVALID_PLAN_VALUES         1232
#define IDS_MSG_UNABLE_TO_WRITE_FILE        1240
#define IDS_MSG_HYPOXIC                     1260
#define IDS_MSG_HYPEROXIC                   1261
#define IDS_MSG_EAD_LIMIT                   1262
#define IDS_MSG_INVALID_GAS                 1263
#define IDS_MSG_NOT_ENOUGH_GASES            1270
#define IDS_MSG_TOO_MANY_GASES              1271
#define IDS_MSG_LAST_GAS_NOT_SURFACE        1290
#define IDS_MSG_NO_GAS_AT_BAILOUT_DEPTH     1291
#define IDS_MSG_GASES_DO_NOT_OVERLAP        1292
#define IDS_MSG_CNS_LIMIT_GASLIST           1293
#define IDS_MSG_CNS_LIMIT                   1294
#define IDS_MSG_NO_GASES_IN_LIST            1295
#define IDS_MSG_ICD_CHECKS                  1296
#define IDS_MSG_SINGLE_GAS_NOT_SURFACE      1297
#define IDS_MSG_TOO_MANY_LIST_GASES         1298
#define IDS_ABOUTBOX                        150
#define IDS_MSG_PLAN_MODIFIED               1217
#define IDS_DISCLAIMER_RUN_1                1700
#define IDS_DISCLAIMER_RUN_14               1713
#define IDS_MAX_DEPTH_DURATION              1600
#define IDS_MSG_INVALID_DIVE_FILE           1621
#define IDS_MSG_INVALID_DIVE_PLAN_FILE      1622

// Windows of the application shell and their controls
#define IDD_DIVEPLANNER_DIALOG              62
#define IDD_LIABILITY                       191
#define IDC_SHEET_FRAME                     231
#define IDC_LIABILITY_TEXT                  576
#define IDC_LIABILITY_EXIT                  3004

// Main menu, accelerators and toolbars
#define IDR_ACCELERATORS                    20
#define IDR_MAIN_TOOLBAR                    17
#define IDR_MAIN_MENU                       103
#define IDR_MENU_IMAGES                     114

// Cursors, icons and images
#define IDR_MAINFRAME                       18
#define IDB_SPLASH                          195
#define IDC_HAND_POINTER                    50
#define IDI_CANCEL                          92
#define IDI_DONE                            93
#define IDI_GENERATE                        96
#define IDI_OK                              97
#define IDI_GENERATE_WARNING                98

// Context menus and the toolbars whose images they show
#define IDR_POINT_LIST_POPUP                100
#define IDR_DIVES_POPUP                     101
#define IDR_GRAPH_POPUP                     102
#define IDR_GRAPH_BAILOUT_POPUP             104
#define IDR_GRAPH_BAILOUT_POPUP2            105
#define IDR_POINT_LIST_TOOLBAR              110
#define IDR_DIVES_TOOLBAR                   111
#define IDR_GRAPH_TOOLBAR                   112
#define IDR_GRAPH_BAILOUT_TOOLBAR           115

// Commands
#define ID_FILE_NEW_PLAN                    4000
#define ID_FILE_SAVE_AS                     4001
#define ID_FILE_EXIT                        4002
#define ID_DIVE_ADD                         4010
#define ID_DIVE_DELETE                      4011
#define ID_DIVE_RENAME                      4012
#define ID_DIVE_SORT                        4013
#define ID_DIVE_PLAN_SETTINGS               4014
#define ID_DIVE_IMPORT                      4015
#define ID_DIVE_EXPORT                      4016
#define ID_VIEW_DIVE_TABLE                  4020
#define ID_VIEW_GAS_TABLE                   4021
#define ID_VIEW_ALL_DIVE_TABLES             4022
#define ID_VIEW_ALL_GAS_TABLES              4023
#define ID_TOOLS_CALCULATE                  4030
#define ID_TOOLS_CREATE_DIVE_TABLES         4031
#define ID_TOOLS_PREFERENCES                4032
#define ID_TOOLS_SELECT_LANGUAGE            4033
#define ID_HELP_CONTENTS                    4040
#define ID_HELP_WHATS_THIS                  4041
#define ID_HELP_ABOUT                       4042
#define ID_HELP_HOME_PAGE                   4043
// Keys of the accelerator table that no window acts on
#define ID_SHORTCUT_CTRL_I                  4100
#define ID_SHORTCUT_CTRL_M                  4101
// Command numbers the desktop framework fixes
#define ID_FILE_OPEN                        57601
#define ID_FILE_SAVE                        57603
#define ID_FILE_MRU_FILE1                   57616
#define ID_VIEW_DETAILS                     59411
#define ID_POINT_CUT                        4060
#define ID_POINT_COPY                       4061
#define ID_POINT_PASTE                      4062
#define ID_POINT_DELETE                     4063
#define ID_GRAPH_ZOOM                       4080
#define ID_GRAPH_PAN                        4081
#define ID_GRAPH_CURSOR                     4082
#define ID_GRAPH_PERSISTENT_CURSOR          4083
#define ID_GRAPH_RESET                      4084
#define ID_DIVES_ADD                        4120
#define ID_DIVES_DELETE                     4121
#define ID_DIVES_RENAME                     4122
#define ID_DIVES_SORT                       4123
#define ID_DIVES_IMPORT                     4124
#define ID_DIVES_EXPORT                     4125
#define ID_GRAPH_BAILOUT_FROM_CURSOR        4140
#define ID_GRAPH_BAILOUT_FROM_SEGMENT_END   4141
#define ID_GRAPH_RESET_ZOOM                 4150
#define ID_GRAPH_RETURN_TO_DIVE             4151
#define ID_GRAPH_CLEAR_BAILOUT              4152

// Entry widgets: the gas box, spin and time fields, hyperlink
#define IDS_MSG_INVALID_GAS_ENTRY           1264
#define IDS_HYPERLINK_UNABLE_TO_OPEN        1900
#define IDS_HYPERLINK_NO_PROGRAM            1901
#define IDS_HYPERLINK_REFUSED               1902


// Dive tables, gas tables and the viewer: the table documents, the viewer and its notes
#define IDS_TABLE_DIVE_NUMBER               1300
#define IDS_TABLE_SURFACE_INTERVAL          1301
#define IDS_TABLE_CNS_FINAL                 1302
#define IDS_TABLE_OTU_FINAL                 1303
#define IDS_TABLE_CNS_INITIAL_FINAL         1304
#define IDS_TABLE_OTU_INITIAL_FINAL         1305
#define IDS_TABLE_GAS                       1306
#define IDS_TABLE_PPO2                      1307  // the text is among the graphs' strings
#define IDS_TABLE_DEPTH_METRES              1308
#define IDS_TABLE_DEPTH_FEET                1309
#define IDS_TABLE_SEGMENT_TIME              1310
#define IDS_TABLE_RUN_TIME                  1311
#define IDS_TABLE_ASCENT_TO_FIRST_STOP      1312
#define IDS_TABLE_CREATED                   1313
#define IDS_TABLE_BOTTOM_DEPTH              1318
#define IDS_TABLE_WARNINGS                  1320
#define IDS_TABLE_DURATION                  1321
#define IDS_TABLE_NCS                       1322
#define IDS_TABLE_ASCENT_TO_SURFACE         1323
#define IDS_GAS_TABLE_MIX                   1350
#define IDS_GAS_TABLE_VOLUME_LITRES         1354
#define IDS_GAS_TABLE_VOLUME_CUBIC_FEET     1355
#define IDS_GAS_TABLE_CYLINDER_LITRES       1356
#define IDS_GAS_TABLE_CYLINDER_CUBIC_FEET   1357
#define IDD_VIEWER                          84
#define IDD_NOTES                           174
#define IDC_NOTES_TEXT                      171
#define IDC_VIEWER_PRINT                    3000
#define IDC_VIEWER_PREVIEW                  3001
#define IDC_VIEWER_SAVE                     3002
#define IDC_VIEWER_NOTES                    3003
#define IDC_VIEWER_EXIT                     3004
#define IDC_VIEWER_BROWSER                  3005
#define IDS_VIEWER_SAVE_TITLE               3010
#define IDS_VIEWER_SAVE_FILTER              3011
#define IDS_VIEWER_SAVE_NAME                3012
#define IDS_VIEWER_SAVE_FAILED              3013
#define IDS_VIEWER_TIP_PRINT                3014
#define IDS_VIEWER_TIP_PREVIEW              3015
#define IDS_VIEWER_TIP_SAVE                 3016
#define IDS_VIEWER_TIP_NOTES                3017
#define IDS_VIEWER_TIP_EXIT                 3018


// Graphs and the Details window: profile and compartment graphs
#define IDD_DETAILS                         61
#define IDC_DETAILS_READOUTS                2600
#define IDC_DETAILS_GRAPH_FRAME             2601
#define IDC_DETAILS_BAR_GRAPH               2620
#define IDS_GRAPH_DEPTH                     1030
#define IDS_GRAPH_DEPTH_METRES              1048
#define IDS_GRAPH_DEPTH_FEET                1049
#define IDS_GRAPH_CEILING                   1055
#define IDS_GRAPH_MAX_CEILING               1056
#define IDS_GRAPH_INSPIRED_NITROGEN         1057
#define IDS_GRAPH_INSPIRED_HELIUM           1058
#define IDS_GRAPH_TIME                      1059
#define IDS_GRAPH_CNS                       1060
#define IDS_GRAPH_OTU                       1061
#define IDS_GRAPH_GRADIENT_FACTOR           1062
#define IDS_GRAPH_PIGT                      1063
#define IDS_GRAPH_MAX_PIGT                  1064
#define IDS_GRAPH_DILUENT                   1065
#define IDS_GRAPH_COMPARTMENT               1066
#define IDS_GRAPH_GAS                       1306
#define IDS_GRAPH_PPO2                      1307
#define IDS_GRAPH_DETAILS_DEPTH             1324
#define IDS_GRAPH_BAILOUT_BANNER            2630
#define IDS_GRAPH_REVIEW_BANNER             2631
#define IDS_GRAPH_RECALC_BANNER             2632
#define IDS_GRAPH_WARNING_KEY               2633
#define IDS_GRAPH_HELIUM                    2634
#define IDS_GRAPH_NITROGEN                  2635


// Dive page: plan-point entry, the point list and the graph on the page
#define IDD_DIVE_PLAN_PAGE                  80
#define IDC_DEPTH_LABEL                     224
#define IDC_DURATION_LABEL                  247
#define IDC_ENTRY_GROUP                     248
#define IDC_GAS_MIX_LABEL                   249
#define IDC_SET_POINT_LABEL                 250
#define IDC_CIRCUIT_LABEL                   293
#define IDC_DEPTH_EDIT                      2100
#define IDC_DEPTH_SPIN                      2101
#define IDC_DURATION_EDIT                   2102
#define IDC_DURATION_SPIN                   2103
#define IDC_CLOSED_CIRCUIT                  2104
#define IDC_OPEN_CIRCUIT                    2105
#define IDC_NO_CLEAR_SURFACE                2106
#define IDC_POINT_GAS                       2107
#define IDC_SET_POINT_EDIT                  2108
#define IDC_SET_POINT_SPIN                  2109
#define IDC_OPEN_CIRCUIT_PPO2               2110
#define IDC_POINT_ADD                       2111
#define IDC_POINT_UPDATE                    2112
#define IDC_POINT_INSERT                    2113
#define IDC_POINT_DELETE                    2114
#define IDC_POINT_LIST                      2115
#define IDC_SETTINGS_SHEET_FRAME            2116
#define IDC_GRAPH_FRAME                     2117
#define IDC_PROFILE_GRAPH                   2118
#define IDS_POINT_ADD                       1000
#define IDS_POINT_INSERT                    1001
#define IDS_POINT_UPDATE                    1002
#define IDS_POINT_DELETE                    1003
#define IDS_READOUT_DEPTH                   1030
#define IDS_READOUT_END_TIME                1031
#define IDS_READOUT_INVALID                 1032
#define IDS_READOUT_GF                      1033
#define IDS_READOUT_EAD                     1034
#define IDS_DURATION_MINS                   1043
#define IDS_CIRCUIT                         1045
#define IDS_GAS_MIX                         1046
#define IDS_PPO2                            1047
#define IDS_DEPTH_METRES                    1048
#define IDS_DEPTH_FEET                      1049
#define IDS_SEGMENT                         1050
#define IDS_DURATION_MMSS                   1051
#define IDS_OPEN_CIRCUIT                    1052
#define IDS_CLOSED_CIRCUIT                  1053
#define IDS_NO_CLEAR_SURFACE                1054
#define IDS_READOUT_CEILING                 1055
#define IDS_TIME                            1059
#define IDS_READOUT_CNS                     1060
#define IDS_READOUT_OTU                     1061
#define IDS_DILUENT                         1065
#define IDS_GAS                             1306
#define IDS_TIP_POINT_ADD                   2000
#define IDS_TIP_POINT_INSERT                2001
#define IDS_TIP_POINT_DELETE                2002
#define IDS_TIP_POINT_UPDATE                2003


// Settings sheet of the dive page: dive settings, bailout settings, bailout gas list
#define IDS_SURFACE_PRESSURE_MBAR           1068
#define IDS_SURFACE_INTERVAL_HHMM           1069
#define IDS_GF_LOW_PERCENT                  1070
#define IDS_GF_HIGH_PERCENT                 1071
#define IDS_DESCENT_RATE_METRES             1072
#define IDS_ASCENT_RATE_METRES              1073
#define IDS_DESCENT_RATE_FEET               1074
#define IDS_ASCENT_RATE_FEET                1075
#define IDS_LAST_DECO_STOP_METRES           1076
#define IDS_LAST_DECO_STOP_FEET             1077
#define IDS_MAX_EAD_METRES                  1078
#define IDS_MAX_EAD_FEET                    1079
#define IDS_SAC_RATE_LITRES                 1080
#define IDS_SAC_RATE_CUBIC_FEET             1081
#define IDS_MAX_PPO2                        1086
#define IDS_NO_OF_GAS_SWITCHES              1087
#define IDS_MAX_CNS                         1088
#define IDS_USE_BAILOUT_GAS_LIST            1089
#define IDS_IGNORE_ICD_RULES                1090
#define IDS_IGNORE_CNS_LIMITS               1091
#define IDS_BELL_DEPTH_METRES               1102
#define IDS_BELL_DEPTH_FEET                 1103
#define IDS_MSG_INVALID_GAS_MIX_LIST_FILE   1623
#define IDS_MSG_GAS_MIX_LIST_CUT            1624
#define IDS_GAS_MIX_LIST_OPEN_TITLE         1625
#define IDS_GAS_MIX_LIST_FILTER             1626
#define IDS_MSG_REPLACE_FILE                1627
#define IDS_SETTINGS_SHEET_CAPTION          1628
#define IDS_GAS_LIST_ADD                    1004
#define IDS_GAS_LIST_DELETE                 1005
#define IDS_GAS_LIST_LOAD                   1006
#define IDS_GAS_LIST_SAVE                   1007
#define IDS_TIP_GAS_LIST_ADD                2065
#define IDS_TIP_GAS_LIST_LOAD               2066
#define IDS_TIP_GAS_LIST_SAVE               2067
#define IDS_TIP_GAS_LIST_DELETE             2068
#define IDS_TIP_GAS_LIST_LOAD_FIRST         2070
#define IDS_TIP_GAS_LIST_SAVE_FIRST         2071


// Commands and small dialogs: file and dive commands, plan settings, rename, sort, About


// Preferences: the sheet and its pages


// Table generator: generation, gas-switch editor, settings file, import
#define IDS_DESCENT_GAS                     1082
#define IDS_ASCENT_GAS                      1083
#define IDS_MSG_DEPTH_EXISTS                1204
#define IDS_MSG_TOO_MANY_SWITCHES           1215
#define IDS_CHECK_WARNING                   1252
#define IDS_CHECK_FAIL                      1253
#define IDS_MSG_DUPLICATE_SWITCHES          1280
#define IDS_GEN_STARTED                     1500
#define IDS_GEN_DEPTHS                      1501
#define IDS_GEN_DURATIONS                   1502
#define IDS_GEN_COMPLETED                   1504
#define IDS_GEN_CREATING                    1505
#define IDS_GEN_CREATED                     1506
#define IDS_GEN_CALCULATING                 1507
#define IDS_GEN_PREPARING                   1509
#define IDS_GEN_UNABLE                      1510
#define IDS_GEN_SKIPPED                     1511
#define IDS_GEN_SETTINGS_METRIC             1512
#define IDS_GEN_SETTINGS_IMPERIAL           1513
#define IDS_CHECK_HYPOXIC                   1552
#define IDS_CHECK_HYPEROXIC                 1553
#define IDS_CHECK_EAD                       1554
#define IDS_CHECK_START_DEEPER              1555
#define IDS_CHECK_START_LONGER              1556
#define IDS_CHECK_UNREACHABLE               1557
#define IDS_CHECK_SET_SIZE                  1558
#define IDS_MSG_INVALID_TABLE_SETTINGS_FILE 1620
#define IDS_IMPORT_SUMMARY_COLUMN           1100
#define IDS_IMPORT_DIVE_COLUMN              1101
#define IDS_TIP_IMPORT_OK                   2040
#define IDS_TIP_IMPORT_CANCEL               2041
#define IDD_IMPORT_SETTINGS                 65
#define IDC_IMPORT_DIVES                    2501
#define IDC_IMPORT_SETTINGS_CHECK           2502
#define IDC_IMPORT_SWITCHES_CHECK           2503
#define IDS_TG_DESCENT_RATE_M               1072
#define IDS_TG_ASCENT_RATE_M                1073
#define IDS_TG_DESCENT_RATE_FT              1074
#define IDS_TG_ASCENT_RATE_FT               1075
#define IDS_TG_LAST_STOP_M                  1076
#define IDS_TG_LAST_STOP_FT                 1077
#define IDS_TG_MAX_EAD_M                    1078
#define IDS_TG_MAX_EAD_FT                   1079
#define IDS_TIP_ADD_SWITCH                  2020
#define IDS_TIP_UPDATE_SWITCH               2021
#define IDS_TIP_DELETE_SWITCH               2022
#define IDS_TIP_CANCEL_SWITCH               2023
#define IDS_TIP_IMPORT_SETTINGS             2031
#define IDS_TIP_LOAD_SETTINGS               2032
#define IDS_TIP_SAVE_SETTINGS               2033
#define IDS_TIP_GENERATE                    2034
#define IDS_TIP_DONE                        2035
#define IDS_TG_FILE_FILTER                  3360
#define IDS_GEN_TABLE_DURATIONS             1314
#define IDS_GEN_TABLE_DEPTHS                1315
#define IDS_GEN_TABLE_BOTTOM                1317
#define IDS_GEN_TABLE_TIMES                 1319
#define IDS_GEN_TABLE_DEPTH                 1324
#define IDS_TG_OPEN_TITLE                   3361
#define IDB_CHECK_STATES                    31
#define IDB_CHECK_STATES_SMALL              32
#define IDD_GAS_SWITCH_EDIT                 63
#define IDD_TABLE_GENERATION                83
#define IDC_GS_DEPTH                        168
#define IDC_GS_DEPTH_SPIN                   209
#define IDC_GS_SET_POINT                    230
#define IDC_GS_SET_POINT_SPIN               233
#define IDC_GS_CLOSED_CIRCUIT               280
#define IDC_GS_OPEN_CIRCUIT                 281
#define IDC_GS_ADD                          288
#define IDC_GS_UPDATE                       289
#define IDC_GS_DELETE                       290
#define IDC_GS_PPO2                         291
#define IDC_GS_CANCEL                       292
#define IDC_GS_TITLE                        338
#define IDC_GS_DEPTH_LABEL                  550
#define IDC_GS_GAS                          3100
#define IDC_GS_SET_POINT_LABEL              3101
#define IDC_GS_PPO2_LABEL                   3102
#define IDC_TG_DEPTH_GROUP                  3300
#define IDC_TG_DEPTH_START                  3306
#define IDC_TG_DEPTH_FINISH                 3308
#define IDC_TG_DEPTH_STEP                   3310
#define IDC_TG_DURATION_START               3312
#define IDC_TG_DURATION_FINISH              3314
#define IDC_TG_DURATION_STEP                3316
#define IDC_TG_SURFACE_PRESSURE             3318
#define IDC_TG_GF_LOW                       3320
#define IDC_TG_GF_HIGH                      3322
#define IDC_TG_DESCENT_RATE                 3324
#define IDC_TG_ASCENT_RATE                  3326
#define IDC_TG_LAST_STOP                    3328
#define IDC_TG_GROUP_BY_DEPTH               3330
#define IDC_TG_GROUP_BY_TIME                3331
#define IDC_TG_MAX_PPO2                     3332
#define IDC_TG_MAX_EAD                      3334
#define IDC_TG_ASCENT_RATE_SPIN             3327
#define IDC_TG_DEPTH_FINISH_SPIN            3309
#define IDC_TG_DEPTH_START_SPIN             3307
#define IDC_TG_DEPTH_STEP_SPIN              3311
#define IDC_TG_DESCENT_RATE_SPIN            3325
#define IDC_TG_DURATION_FINISH_SPIN         3315
#define IDC_TG_DURATION_START_SPIN          3313
#define IDC_TG_DURATION_STEP_SPIN           3317
#define IDC_TG_GF_HIGH_SPIN                 3323
#define IDC_TG_GF_LOW_SPIN                  3321
#define IDC_TG_LAST_STOP_SPIN               3329
#define IDC_TG_MAX_EAD_SPIN                 3335
#define IDC_TG_MAX_PPO2_SPIN                3333
#define IDC_TG_SURFACE_PRESSURE_SPIN        3319
#define IDC_TG_DESCENT_LIST                 3339
#define IDC_TG_ASCENT_LIST                  3341
#define IDC_TG_MESSAGES                     3342
#define IDC_TG_IMPORT                       3343
#define IDC_TG_LOAD                         3344
#define IDC_TG_SAVE                         3345
#define IDC_TG_GENERATE                     3347
#define IDC_TG_DESCENT_RATE_LABEL           3348
#define IDC_TG_ASCENT_RATE_LABEL            3349
#define IDC_TG_LAST_STOP_LABEL              3350
#define IDC_TG_MAX_EAD_LABEL                3351


// Languages: language selection

