// The record a grid list keeps with each of its rows: the row's colours (0x00BBGGRR colour values)
// and the owner's key for the row. The grid owns it and releases it with the row.
#pragma once

#include <cstdint>

// The list's default colour. Every value with a non-zero top byte is read the same way.
inline constexpr uint32_t CLR_DEFAULT = 0xFF000000;

struct GridRowData {
    uint32_t textColor = CLR_DEFAULT;
    uint32_t backColor = CLR_DEFAULT;
    int32_t key = 0;  // an assay id, a component id, or 0
};
