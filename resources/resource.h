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
#define IDS_MAX_DEPTH_DURATION              1600
#define IDS_MSG_INVALID_DIVE_FILE           1621
#define IDS_MSG_INVALID_DIVE_PLAN_FILE      1622

// Cursors, icons and images
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
