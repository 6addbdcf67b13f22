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

// The control identifiers of template 101. Identifiers are per template: the same number may name
// another control in another template (1034 is the channel combo here, the grid of template 105).
namespace WorkbenchControl {
inline constexpr int kClose = 2;
inline constexpr int kAssaysList = 1001;
inline constexpr int kPointsList = 1002;
inline constexpr int kTypeCombo = 1003;
inline constexpr int kDependenceCombo = 1004;
inline constexpr int kK0 = 1005;  // the four coefficients, read-only
inline constexpr int kK1 = 1006;
inline constexpr int kK2 = 1007;
inline constexpr int kK3 = 1008;
inline constexpr int kKEdit = 1010;
inline constexpr int kAlphaEdit = 1011;
inline constexpr int kMn = 1012;  // the six results, read-only
inline constexpr int kMw = 1013;
inline constexpr int kMwMn = 1014;
inline constexpr int kMz = 1015;
inline constexpr int kMz1 = 1019;
inline constexpr int kMp = 1021;
inline constexpr int kAddAssays = 1016;
inline constexpr int kDeleteAssays = 1017;
inline constexpr int kDeleteAllAssays = 1018;
inline constexpr int kOpenAssayFiles = 1020;
inline constexpr int kHiddenButton = 1022;
inline constexpr int kReport = 1023;
inline constexpr int kComponents = 1028;
inline constexpr int kKLabel = 1029;
inline constexpr int kAlphaLabel = 1030;
inline constexpr int kChartFrame = 1031;
inline constexpr int kChannelCombo = 1034;
inline constexpr int kDistributionFrame = 1035;  // the selected sample's molar-mass distribution
inline constexpr int kResultsList = 1036;  // every calculated sample's results
inline constexpr int kDetermination = 1037;  // R^2 of the fit, read-only
inline constexpr int kStdError = 1038;  // the standard error of Y, read-only
// The universal calibration's standards' K and Alpha, and the broad standard's Mn and Mw, each pair
// shown with its labels for its own type only, at the same place.
inline constexpr int kStandardK = 1039;
inline constexpr int kStandardAlpha = 1040;
inline constexpr int kBroadMn = 1041;
inline constexpr int kBroadMw = 1042;
inline constexpr int kStandardKLabel = 1043;
inline constexpr int kStandardAlphaLabel = 1044;
inline constexpr int kBroadMnLabel = 1045;
inline constexpr int kBroadMwLabel = 1046;
}  // namespace WorkbenchControl

// The control identifiers of template 105.
namespace ComponentsControl {
inline constexpr int kSave = 1;
inline constexpr int kCancel = 2;
inline constexpr int kGrid = 1034;
inline constexpr int kAddComponent = 1028;
inline constexpr int kDeleteComponents = 1035;
}  // namespace ComponentsControl

// Template 101, the workbench.
const DialogTemplate& WorkbenchTemplate();
// Template 105, the components dialog.
const DialogTemplate& ComponentsTemplate();
// The item of a template with a control identifier; null when the template has none.
const DialogItem* FindDialogItem(const DialogTemplate& dialog, int id);
