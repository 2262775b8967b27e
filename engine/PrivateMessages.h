#pragma once
// The program's private window messages: one table for every window, widget and the engine.
// Each is posted (WMU_OPEN_RECENT_FILE alone is sent) with two integer parameters, and every
// handler returns 0. Two pairs share a number (0x800A and 0x8032); their receivers differ, so a
// window tells them apart by the receiver the message is delivered to.

// Application object -> main window, sent: wParam 0, lParam the path text of the plan to open.
inline constexpr unsigned WMU_OPEN_RECENT_FILE = 0x590;

// Plan group -> main window: the plan's modified state changed (0, 0).
inline constexpr unsigned WMU_PLAN_MODIFIED = 0x800A;
// Profile graph -> its dive page: wParam cursor time, lParam the graph.
inline constexpr unsigned WMU_GRAPH_CURSOR_MOVED = 0x800A;
// Gas combo box -> its owner, relayed to the main window: wParam O2 %, lParam He %.
inline constexpr unsigned WMU_GAS_MIX_SELECTED = 0x800B;
inline constexpr unsigned WMU_GAS_MIX_ADDED = 0x800C;
// Handled by the main window; nothing sends them.
inline constexpr unsigned WMU_RENAME_DIVE = 0x800D;
inline constexpr unsigned WMU_REFRESH_VIEW = 0x8014;
// General preference page -> preferences dialog: wParam the new units value.
inline constexpr unsigned WMU_UNITS_CHANGED = 0x800E;
// Dive-tab sheet -> main window (0, 0).
inline constexpr unsigned WMU_DIVE_TAB_SELECTED = 0x800F;
inline constexpr unsigned WMU_DIVE_TAB_RIGHT_CLICK = 0x8010;
// Profile graph -> its dive page. Bailout: wParam cursor time, lParam 0 at the cursor or 1 at
// the end of the segment; the other two: wParam 0, lParam the graph.
inline constexpr unsigned WMU_GRAPH_BAILOUT = 0x8011;
inline constexpr unsigned WMU_GRAPH_RETURN_TO_DIVE = 0x8012;
inline constexpr unsigned WMU_GRAPH_CLEAR_BAILOUT = 0x8013;
// Plan group and the dive's bailout trigger -> main window: wParam the dive index, lParam 0.
inline constexpr unsigned WMU_DIVE_CALCULATED = 0x8015;
// Plan group -> main window after a plan load (0), a dive import or a log review (the new
// dive's index): wParam the dive index, lParam 0.
inline constexpr unsigned WMU_PLAN_LOADED = 0x8016;
// Plan group -> main window: wParam the dive index, lParam the caller's value.
inline constexpr unsigned WMU_SELECT_LAST_PLAN_POINT = 0x8017;
// Settings sheet -> its dive page (0, 0).
inline constexpr unsigned WMU_SETTINGS_PAGE_CHANGED = 0x8032;
// Table generator -> itself after every input change (0, 0).
inline constexpr unsigned WMU_TABLEGEN_REVALIDATE = 0x8032;

// Dive settings page -> its dive page (0, 0): one field changed.
inline constexpr unsigned WMU_DIVESET_SURFACE_PRESSURE = 0x8064;
inline constexpr unsigned WMU_DIVESET_GF_LOW = 0x8065;
inline constexpr unsigned WMU_DIVESET_GF_HIGH = 0x8066;
inline constexpr unsigned WMU_DIVESET_SAC_RATE = 0x8067;
inline constexpr unsigned WMU_DIVESET_MAX_PPO2 = 0x8068;
inline constexpr unsigned WMU_DIVESET_MAX_EAD = 0x8069;
inline constexpr unsigned WMU_DIVESET_SURFACE_INTERVAL = 0x806A;
inline constexpr unsigned WMU_DIVESET_DESCENT_RATE = 0x806B;
inline constexpr unsigned WMU_DIVESET_ASCENT_RATE = 0x806C;
inline constexpr unsigned WMU_DIVESET_LAST_DECO_STOP = 0x806D;
inline constexpr unsigned WMU_DIVESET_BELL_EXCURSION = 0x806E;
inline constexpr unsigned WMU_DIVESET_BELL_DEPTH = 0x806F;
inline constexpr unsigned WMU_DIVESET_BELL_GAS = 0x8070;

// Bailout settings page -> its dive page (0, 0): one field changed.
inline constexpr unsigned WMU_BAILSET_GAS_SWITCHES = 0x80C8;
inline constexpr unsigned WMU_BAILSET_GF_LOW = 0x80C9;
inline constexpr unsigned WMU_BAILSET_GF_HIGH = 0x80CA;
inline constexpr unsigned WMU_BAILSET_SAC_RATE = 0x80CB;
inline constexpr unsigned WMU_BAILSET_MAX_PPO2 = 0x80CC;
inline constexpr unsigned WMU_BAILSET_MAX_EAD = 0x80CD;
inline constexpr unsigned WMU_BAILSET_MAX_CNS = 0x80CE;
inline constexpr unsigned WMU_BAILSET_DESCENT_RATE = 0x80CF;
inline constexpr unsigned WMU_BAILSET_ASCENT_RATE = 0x80D0;
inline constexpr unsigned WMU_BAILSET_LAST_DECO_STOP = 0x80D1;
inline constexpr unsigned WMU_BAILSET_USE_GAS_LIST = 0x80D2;
inline constexpr unsigned WMU_BAILSET_IGNORE_ICD = 0x80D3;
inline constexpr unsigned WMU_BAILSET_IGNORE_CNS = 0x80D4;
// Per-dive bailout gas list page -> its dive page after Add, Delete or Load (0, 0).
inline constexpr unsigned WMU_BAILSET_GAS_LIST_CHANGED = 0x812C;
