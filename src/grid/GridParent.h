// What a grid list asks and tells the window that holds it. Each notification is answered
// synchronously; a parent overrides only what it handles, everything else answers 0, which the
// grid reads as a refusal.
#pragma once

#include "grid/GridNotify.h"

#include <cstdint>

class GridParent {
public:
    virtual ~GridParent() = default;

    // GN_BEGINEDIT: 0 = the cell may not be edited. GN_CELLCHANGED: 0 = reject, the old text comes
    // back. GN_ROWSELECTED: the answer is ignored.
    virtual intptr_t OnGridCell(const GridCellNotify&) { return 0; }
    // GN_SORT: 0 = do not sort, kGridSortNumeric, kGridSortDate, any other value = text.
    virtual intptr_t OnGridSort(const GridSortNotify&) { return 0; }
    // GN_COLUMNMOVED: non-zero refuses the move. GN_BEGINRESIZE: non-zero forbids the resize.
    // GN_ENDRESIZE: 1 = the grid leaves its stretch column as it is.
    virtual intptr_t OnGridColumn(const GridColumnNotify&) { return 0; }
    // GN_CONTEXTMENU: the grid shows no menu of its own.
    virtual void OnGridContextMenu(const GridPointNotify&) {}
    // GN_DBLCLK: see GridDblClkNotify::result.
    virtual void OnGridDblClk(const GridDblClkNotify&) {}
    // LVN_ITEMCHANGED: for example a check-box toggle or a row losing its selection.
    virtual void OnGridItemChanged(const GridItemChangedNotify&) {}
};
