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
#define IDS_MAX_DEPTH_DURATION              1600
#define IDS_MSG_INVALID_DIVE_FILE           1621
#define IDS_MSG_INVALID_DIVE_PLAN_FILE      1622
