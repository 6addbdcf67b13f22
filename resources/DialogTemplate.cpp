// Templates 101 (workbench) and 105 (components) in template order.
#include "resources/DialogTemplate.h"

#include <iterator>

namespace {

using K = DialogItemKind;

const DialogItem kWorkbench[] = {
    {WorkbenchControl::kClose, K::PushButton, 704, 462, 50, 17, "Закрыть", 100, 100, 0, 0},
    {WorkbenchControl::kChartFrame, K::Frame, 149, 173, 300, 199, "", 0, 0, 50, 100},
    {WorkbenchControl::kPointsList, K::ListView, 460, 68, 294, 95, "", 50, 0, 50, 0},
    {-1, K::Label, 460, 7, 48, 8, "Градуировка:", 50},
    {-1, K::Label, 616, 7, 46, 8, "Зависимость:", 50},
    {WorkbenchControl::kTypeCombo, K::Combo, 460, 18, 143, 30, "", 50},
    {WorkbenchControl::kDependenceCombo, K::Combo, 616, 18, 138, 30, "", 50},
    {-1, K::Label, 460, 36, 16, 8, "k0 =", 50},
    {-1, K::Label, 541, 36, 16, 8, "k1 =", 50},
    {-1, K::Label, 616, 36, 16, 8, "k2 =", 50},
    {-1, K::Label, 691, 36, 16, 8, "k3 =", 50},
    {WorkbenchControl::kK0, K::ReadOnlyEdit, 484, 33, 40, 14, "", 50},
    {WorkbenchControl::kK1, K::ReadOnlyEdit, 563, 33, 40, 14, "", 50},
    {WorkbenchControl::kK2, K::ReadOnlyEdit, 636, 33, 40, 14, "", 50},
    {WorkbenchControl::kK3, K::ReadOnlyEdit, 714, 33, 40, 14, "", 50},
    {WorkbenchControl::kOpenAssayFiles, K::IconButton, 7, 52, 16, 14, "^"},
    {WorkbenchControl::kDeleteAllAssays, K::IconButton, 7, 37, 16, 14, "--"},
    {WorkbenchControl::kDeleteAssays, K::IconButton, 7, 22, 16, 14, "-"},
    {WorkbenchControl::kAddAssays, K::IconButton, 7, 7, 16, 14, "+"},
    {WorkbenchControl::kAssaysList, K::ListView, 28, 7, 428, 156, "", 0, 0, 50, 0},
    {-1, K::GroupBox, 7, 216, 134, 48, "Текущая проба"},
    {WorkbenchControl::kKLabel, K::Label, 13, 229, 8, 8, "K"},
    {WorkbenchControl::kAlphaLabel, K::Label, 13, 244, 19, 8, "Alpha"},
    {WorkbenchControl::kKEdit, K::Edit, 89, 227, 46, 14, ""},
    {WorkbenchControl::kAlphaEdit, K::Edit, 89, 243, 46, 14, ""},
    {-1, K::GroupBox, 7, 264, 134, 108, "Результат"},
    {-1, K::Label, 13, 275, 20, 8, "Mn"},
    {-1, K::Label, 13, 291, 20, 8, "Mw"},
    {WorkbenchControl::kMn, K::ReadOnlyEdit, 90, 272, 46, 14, ""},
    {WorkbenchControl::kMw, K::ReadOnlyEdit, 90, 288, 46, 14, ""},
    {-1, K::Label, 13, 307, 24, 8, "Mw/Mn"},
    {-1, K::Label, 13, 323, 20, 8, "Mz"},
    {WorkbenchControl::kMwMn, K::ReadOnlyEdit, 90, 304, 46, 14, ""},
    {WorkbenchControl::kMz, K::ReadOnlyEdit, 90, 320, 46, 14, ""},
    {-1, K::Label, 13, 340, 24, 8, "Mz + 1"},
    {-1, K::Label, 13, 355, 20, 8, "Mp"},
    {WorkbenchControl::kMz1, K::ReadOnlyEdit, 90, 336, 46, 14, ""},
    {WorkbenchControl::kMp, K::ReadOnlyEdit, 89, 352, 46, 14, ""},
    {WorkbenchControl::kReport, K::IconButton, 7, 67, 16, 14, "->"},
    {WorkbenchControl::kHiddenButton, K::HiddenButton, 7, 82, 16, 14, "*"},
    {-1, K::GroupBox, 7, 169, 134, 45, "Параметры расчета:"},
    {-1, K::Label, 13, 182, 24, 8, "Канал:"},
    {WorkbenchControl::kChannelCombo, K::Combo, 42, 180, 93, 30, ""},
    {WorkbenchControl::kComponents, K::PushButton, 13, 195, 122, 14, "Таблица компонентов"},
    {WorkbenchControl::kDistributionFrame, K::Frame, 454, 173, 300, 199, "", 50, 0, 50, 100},
    {WorkbenchControl::kResultsList, K::ListView, 149, 377, 605, 80, "", 0, 100, 100, 0},
    {-1, K::Label, 460, 54, 16, 8, "R² =", 50},
    {WorkbenchControl::kDetermination, K::ReadOnlyEdit, 484, 51, 60, 14, "", 50},
    {-1, K::Label, 560, 54, 34, 8, "СКО(Y) =", 50},
    {WorkbenchControl::kStdError, K::ReadOnlyEdit, 596, 51, 60, 14, "", 50},
    {-1, K::GroupBox, 7, 376, 134, 50, "Стандарты"},
    {WorkbenchControl::kStandardKLabel, K::Label, 13, 389, 70, 8, "K стандартов"},
    {WorkbenchControl::kStandardAlphaLabel, K::Label, 13, 405, 70, 8, "Alpha стандартов"},
    {WorkbenchControl::kStandardK, K::Edit, 89, 387, 46, 14, ""},
    {WorkbenchControl::kStandardAlpha, K::Edit, 89, 403, 46, 14, ""},
    {WorkbenchControl::kBroadMnLabel, K::Label, 13, 389, 70, 8, "Mn стандарта"},
    {WorkbenchControl::kBroadMwLabel, K::Label, 13, 405, 70, 8, "Mw стандарта"},
    {WorkbenchControl::kBroadMn, K::Edit, 89, 387, 46, 14, ""},
    {WorkbenchControl::kBroadMw, K::Edit, 89, 403, 46, 14, ""},
};

const DialogItem kComponents[] = {
    {ComponentsControl::kSave, K::DefaultButton, 304, 222, 50, 14, "Сохранить"},
    {ComponentsControl::kCancel, K::PushButton, 358, 222, 50, 14, "Отмена"},
    {ComponentsControl::kGrid, K::ListView, 7, 7, 401, 210, ""},
    {ComponentsControl::kAddComponent, K::PushButton, 7, 222, 85, 14, "Добавить компонент"},
    {ComponentsControl::kDeleteComponents, K::PushButton, 95, 222, 85, 14, "Удалить компонент(ы)"},
};

}  // namespace

const DialogTemplate& WorkbenchTemplate() {
    static const DialogTemplate workbench{
        "Гель-проникающая хроматография", 761, 486, 8, kWorkbench, std::size(kWorkbench)};
    return workbench;
}

const DialogTemplate& ComponentsTemplate() {
    static const DialogTemplate components{"Компоненты", 415, 243, 8, kComponents, std::size(kComponents)};
    return components;
}

const DialogItem* FindDialogItem(const DialogTemplate& dialog, int id) {
    for (size_t i = 0; i < dialog.count; ++i)
        if (dialog.items[i].id == id) return &dialog.items[i];
    return nullptr;
}
