// The dialog templates of the module as data: each control's identifier, kind, rectangle in dialog
// units (a quarter of the font's average character width across, an eighth of its height down), text
// and its share of a window size change (percent moved right and down, percent grown wide and high).
#pragma once

#include <cstddef>

enum class DialogItemKind { PushButton, IconButton, HiddenButton, Frame, ListView, Label, GroupBox, Combo, Edit, ReadOnlyEdit };

struct DialogItem {
    int id;  // -1 for labels and group boxes
    DialogItemKind kind;
    int x, y, width, height;  // dialog units
    const char* text;  // Russian; translated through the resource library
    int moveX = 0, moveY = 0, sizeX = 0, sizeY = 0;  // percent of a size change
};

struct DialogTemplate {
    const char* caption;
    int width, height;  // dialog units
    int fontPoints;  // "MS Shell Dlg"
    const DialogItem* items;
    size_t count;
};

// Template 101, the workbench.
const DialogTemplate& WorkbenchTemplate();
