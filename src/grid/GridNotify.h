// The notifications a grid list sends its parent (GridParent): their codes and their records. Every
// record starts with the same header naming the grid, its control identifier and the code.
// Coordinates are in pixels.
#pragma once

#include <QPoint>

#include <cstdint>

class CGridCtrl;

inline constexpr int32_t GN_CELLCHANGED = 0x0D62;
inline constexpr int32_t GN_BEGINEDIT = 0x0D63;
inline constexpr int32_t GN_ROWSELECTED = 0x0D64;
inline constexpr int32_t GN_CONTEXTMENU = 0x0D65;
inline constexpr int32_t GN_SORT = 0x0D66;
inline constexpr int32_t GN_COLUMNMOVED = 0x0D67;
inline constexpr int32_t GN_BEGINRESIZE = 0x0D68;
inline constexpr int32_t GN_ENDRESIZE = 0x0D69;
inline constexpr int32_t GN_DBLCLK = 0x0D6A;
// The list's ordinary item-changed notification, for every item change other than a new selection.
inline constexpr int32_t LVN_ITEMCHANGED = -101;

struct GridNotifyHeader {
    CGridCtrl* source = nullptr;
    int32_t sourceId = 0;  // the grid's control identifier
    int32_t code = 0;
};

// GN_CELLCHANGED, GN_BEGINEDIT, GN_ROWSELECTED.
struct GridCellNotify {
    GridNotifyHeader header;
    int32_t row = -1;
    int32_t column = -1;
};

// GN_CONTEXTMENU: screen coordinates.
struct GridPointNotify {
    GridNotifyHeader header;
    int32_t x = 0;
    int32_t y = 0;
};

// GN_SORT.
struct GridSortNotify {
    GridNotifyHeader header;
    int32_t column = -1;
    int32_t ascending = 1;  // 1 ascending, 0 descending
};

// GN_COLUMNMOVED (value = the new display order), GN_BEGINRESIZE (value = 0),
// GN_ENDRESIZE (value = the new width).
struct GridColumnNotify {
    GridNotifyHeader header;
    int32_t column = -1;
    int32_t value = 0;
};

// Where a double click hit: row and column -1 when it hit no cell; point in the rows' area.
struct GridActivation {
    int32_t row = -1;
    int32_t column = -1;
    QPoint point;
};

// GN_DBLCLK: a non-zero value written to *result suppresses the grid's own double-click action.
struct GridDblClkNotify {
    GridNotifyHeader header;
    const GridActivation* activation = nullptr;
    intptr_t* result = nullptr;
};

struct GridItemState {
    bool selected = false;
    bool checked = false;
};

// LVN_ITEMCHANGED: a row's state before and after the change.
struct GridItemChangedNotify {
    GridNotifyHeader header;
    int32_t row = -1;
    GridItemState oldState;
    GridItemState newState;
};
