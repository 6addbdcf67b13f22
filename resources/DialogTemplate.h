// The dialog templates of the module as data: each control's identifier, kind, rectangle in dialog
// units (a quarter of the font's average character width across, an eighth of its height down), text
// and its share of a window size change (percent moved right and down, percent grown wide and high).
#pragma once

#include <cstddef>

enum class DialogItemKind {
    PushButton,
    DefaultButton,  // pressed by Enter
    IconButton,  // shows a 16 x 16 icon instead of its text
    HiddenButton,
    Frame,
    ListView,
    Label,
    GroupBox,  // caption centred
    Combo,  // drop-down list; the height includes the open list
    Edit,
    ReadOnlyEdit,
};

struct DialogItem {
    int id;  // -1 for labels and group boxes
    DialogItemKind kind;
    int x, y, width, height;  // dialog units
    const char* text;  // Russian; translated through the resource library
    int moveX = 0, moveY = 0, sizeX = 0, sizeY = 0;  // percent of a size change
};

struct DialogTemplate {
    const char* caption;  // Russian
    int width, height;  // dialog units
    int fontPoints;  // "MS Shell Dlg"
    const DialogItem* items;
    size_t count;
};

// Template 101, the workbench.
const DialogTemplate& WorkbenchTemplate();
// Template 105, the components dialog.
const DialogTemplate& ComponentsTemplate();
// The item of a template with a control identifier; null when the template has none.
const DialogItem* FindDialogItem(const DialogTemplate& dialog, int id);
