#pragma once
// Command identifiers of the menus, the toolbar and the accelerators. The
// numbers are the program's traditional ones; nothing stores them.

enum CommandId : int {
    ID_EDIT_FUNCTION = 32774,
    ID_HELP_CONTENTS = 32783,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_UNDO = 57643,
    ID_WINDOW_NEW = 57648,
    ID_WINDOW_ARRANGE = 57649,
    ID_WINDOW_CASCADE = 57650,
    ID_WINDOW_TILE_HORZ = 57651,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
    ID_FILE_EXPORT = 59500,  // our own: export the picture as PNG, SVG or PDF
    // Our own: zoom the active window's picture, each window its own.
    ID_VIEW_ZOOM_IN = 59510,
    ID_VIEW_ZOOM_OUT = 59511,
    ID_VIEW_ZOOM_HOME = 59512,
    // Our own: trace a plane graph, and its points of interest.
    ID_VIEW_TRACE = 59513,
    ID_VIEW_POINTS = 59514,
};
