#include "ShownWorkbench.h"

#include "HostDriving.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

std::vector<ShownRow> Rows(QTreeWidget* list) {
    std::vector<ShownRow> rows;
    for (int row = 0; list != nullptr && row < list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        ShownRow shown;
        for (int column = 0; column < list->columnCount(); ++column)
            shown.cells.push_back(item->text(column).toStdString());
        shown.checked = item->data(0, Qt::CheckStateRole).toInt() == Qt::Checked;
        shown.selected = item->isSelected();
        rows.push_back(std::move(shown));
    }
    return rows;
}

int Chosen(QWidget& workbench, const char* label) {
    const QComboBox* combo = WorkbenchCombo(workbench, label);
    return combo == nullptr ? -1 : combo->currentIndex();
}

std::optional<std::string> TextBeside(QWidget& workbench, const char* label) {
    const QLineEdit* edit = ControlNear<QLineEdit>(workbench, label, false);
    if (edit == nullptr) return std::nullopt;
    return edit->text().toStdString();
}

template <size_t N>
std::array<std::string, N> TextsBeside(QWidget& workbench, const std::array<const char*, N>& labels) {
    std::array<std::string, N> texts;
    for (size_t i = 0; i < N; ++i) texts[i] = TextBeside(workbench, labels[i]).value_or("");
    return texts;
}

}  // namespace

ShownWorkbench ReadShownWorkbench(QWidget& workbench) {
    ShownWorkbench shown;
    shown.assays = Rows(AssaysList(workbench));
    QTreeWidget* points = ListHeaded(workbench, "№ / Компонент");
    shown.points = Rows(points);
    for (int column = 0; points != nullptr && column < points->columnCount(); ++column)
        shown.pointTitles.push_back(points->headerItem()->text(column).toStdString());
    shown.results = Rows(ListHeaded(workbench, "Имя файла"));
    shown.type = Chosen(workbench, "Градуировка:");
    shown.dependence = Chosen(workbench, "Зависимость:");
    shown.channel = Chosen(workbench, "Канал:");
    shown.kText = TextBeside(workbench, "K").value_or("");
    shown.alphaText = TextBeside(workbench, "Alpha").value_or("");
    shown.standardKText = TextBeside(workbench, "K стандартов");
    shown.standardAlphaText = TextBeside(workbench, "Alpha стандартов");
    shown.broadMnText = TextBeside(workbench, "Mn стандарта");
    shown.broadMwText = TextBeside(workbench, "Mw стандарта");
    shown.averages = TextsBeside<6>(workbench, {"Mn", "Mw", "Mw/Mn", "Mz", "Mz + 1", "Mp"});
    shown.coefficients = TextsBeside<4>(workbench, {"k0 =", "k1 =", "k2 =", "k3 ="});
    shown.fit = TextsBeside<2>(workbench, {"R² =", "СКО(Y) ="});
    return shown;
}
