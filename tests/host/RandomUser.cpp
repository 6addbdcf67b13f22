#include "RandomUser.h"

#include "ShownWorkbench.h"
#include "WorkbenchInvariants.h"
#include "host/AssayChooserDialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace fs = std::filesystem;

namespace {

constexpr const char* kOtherMethodQuestion = "Выбран другой метод, хотите переключиться на него?";
constexpr int kClosingAttempts = 20;  // of the components dialog; each one closes it at least half the time

// Realistic entries of each edit: Mark-Houwink constants of polystyrene and PMMA in THF (K in dL/g),
// and averages of broad standards (g/mol).
const std::vector<std::string> kRealisticK = {"9.44e-5", "1.14e-4", "0.000141", ".000141", "1e-4", "5.2e-5"};
const std::vector<std::string> kRealisticAlpha = {"0.7", "0.719", "0.716", "0.5", ".65", "0.8"};
const std::vector<std::string> kRealisticMasses = {"119047.6", "250000", "120000", "260000", "85000", "500000"};
// What a user may type by mistake or on purpose: refused values, a comma, letters, blanks, nothing.
const std::vector<std::string> kOddEntries = {"150", "0", "-1", "1e999", "abc", "1,5",  " 2", "0.",
                                              "1e",  "-", "2x", "",      "100", "1e-3", "7"};
const std::string kKeys = "0123456789.eE-+ ,xа";  // the last one is Cyrillic

std::vector<int> DistinctRows(SeededChoice& choice, int rows, uint32_t count) {
    std::vector<int> picked;
    for (uint32_t i = 0; i < count; ++i) {
        const int row = static_cast<int>(choice.Below(static_cast<uint32_t>(rows)));
        if (std::find(picked.begin(), picked.end(), row) == picked.end()) picked.push_back(row);
    }
    return picked;
}

std::string RowsText(const std::vector<int>& rows) {
    std::string text;
    for (int row : rows) text += (text.empty() ? "" : ",") + std::to_string(row + 1);
    return text;
}

QPushButton& Button(QWidget& window, const QString& tip) {
    QPushButton* button = ButtonWithTip(window, tip);
    if (button == nullptr) button = ButtonWithText(window, tip);
    if (button == nullptr) throw std::runtime_error("no button " + tip.toStdString());
    return *button;
}

std::string Described(std::string description, const std::vector<BoxAnswerer::Answer>& answers) {
    for (const BoxAnswerer::Answer& answer : answers)
        description += " [box \"" + answer.text + "\": " + (answer.accepted ? "OK" : "Cancel") + "]";
    return description;
}

// Clicks button and does act at the first turn of the event loop at which it succeeds, while the
// window the click opens waits: boxes shown first (a pass run by the focus the click took from an
// edit) are answered meanwhile.
void ClickAndAct(QPushButton& button, const std::function<bool()>& act) {
    QTimer turn;
    QObject::connect(&turn, &QTimer::timeout, [&] {
        if (act()) turn.stop();
    });
    turn.start(0);
    QTest::mouseClick(&button, Qt::LeftButton);
}

}  // namespace

const std::vector<RandomUser::WeightedAction> RandomUser::kActions = {
    {&RandomUser::AddAssays, 8},        {&RandomUser::DeleteSome, 4},       {&RandomUser::DeleteAll, 1},
    {&RandomUser::ToggleAssay, 16},     {&RandomUser::TogglePoint, 8},      {&RandomUser::ChooseType, 6},
    {&RandomUser::ChooseDependence, 5}, {&RandomUser::ChooseChannel, 4},    {&RandomUser::TypeIntoAnEdit, 20},
    {&RandomUser::LeaveTheEdit, 8},     {&RandomUser::ChooseResultsRow, 8}, {&RandomUser::EditComponents, 3},
    {&RandomUser::MakeReport, 2},
};

RandomUser::RandomUser(QWidget& workbench, const DemoDataSet& set, uint32_t seed, const fs::path& reportFolder)
    : workbench_(workbench),
      set_(set),
      reportFolder_(reportFolder),
      choice_(seed),
      answerer_(choice_),
      fresh_(set.documentsFolder, set.databasePath) {}

std::string RandomUser::Step() {
    if (!LookAtTheWorkbench()) return "the workbench cannot be made the active window";
    model_.toggledPoint.reset();
    model_.problem.clear();
    uint32_t total = 0;
    for (const WeightedAction& entry : kActions) total += entry.weight;
    std::optional<std::string> done;
    while (!done) {
        uint32_t draw = choice_.Below(total);
        auto entry = kActions.begin();
        for (; draw >= entry->weight; ++entry) draw -= entry->weight;
        done = (this->*entry->action)();
    }
    actions_.push_back(WithAnswers(*done));
    if (std::string waiting = WaitingWindow(); !waiting.empty()) return waiting;
    LookAtTheWorkbench();
    ForgetLeftEdits();
    const InvariantCheck check = CheckWorkbench(ReadShownWorkbench(workbench_), model_, set_, fresh_);
    if (check.numbersCompared) ++numbersCompared_;
    return check.broken;
}

bool RandomUser::LookAtTheWorkbench() {
    QApplication::processEvents();
    if (!workbench_.isActiveWindow()) QApplication::setActiveWindow(&workbench_);
    return workbench_.isActiveWindow();
}

std::string RandomUser::Shown() const { return ShownText(ReadShownWorkbench(workbench_)); }

std::string RandomUser::WithAnswers(const std::string& description) {
    return Described(description, answerer_.TakeAnswers());
}

std::string RandomUser::WaitingWindow() const {
    if (!unexpected_.seen.empty()) return "a window waited for nobody: " + unexpected_.seen;
    if (QWidget* modal = QApplication::activeModalWidget())
        return "a window still waits after the action: " + modal->windowTitle().toStdString();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(widget) && widget->isVisible())
            return "a message box is left open: " + static_cast<QMessageBox*>(widget)->text().toStdString();
    return {};
}

void RandomUser::ForgetLeftEdits() {
    std::erase_if(model_.pendingEdits, [this](const std::string& label) {
        const QLineEdit* edit = ControlNear<QLineEdit>(workbench_, QString::fromStdString(label), false);
        return edit == nullptr || workbench_.focusWidget() != edit;
    });
}

std::optional<std::string> RandomUser::AddAssays() {
    std::string description = "add: no chooser came";
    std::vector<int32_t> chosen;
    ClickAndAct(Button(workbench_, "Добавить хроматограммы"), [this, &description, &chosen] {
        auto* chooser = qobject_cast<AssayChooserDialog*>(QApplication::activeModalWidget());
        if (chooser == nullptr) return false;
        QTableWidget& table = *chooser->Table();
        std::vector<int> rows = DistinctRows(choice_, table.rowCount(), choice_.Below(4));
        for (int row : rows) {
            const QRect cell = table.visualRect(table.model()->index(row, 0));
            QTest::mouseClick(table.viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
        }
        const bool cancel = choice_.Chance(10);
        std::sort(rows.begin(), rows.end());  // the host hands the ids over from top to bottom
        description = "add rows " + RowsText(rows) + " of the chooser" + (cancel ? ", then Cancel" : "");
        for (int row : rows) chosen.push_back(table.item(row, 0)->text().toInt());
        auto* buttons = chooser->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(cancel ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok), Qt::LeftButton);
        if (cancel) chosen.clear();
        return true;
    });
    for (int32_t id : chosen)
        if (std::find(model_.listed.begin(), model_.listed.end(), id) == model_.listed.end())
            model_.listed.push_back(id);
    return description;
}

std::optional<std::string> RandomUser::DeleteSome() {
    QTreeWidget& list = *AssaysList(workbench_);
    if (list.topLevelItemCount() == 0) return std::nullopt;
    const std::vector<int> rows = DistinctRows(choice_, list.topLevelItemCount(), 1 + choice_.Below(2));
    std::vector<int32_t> ids;
    for (size_t i = 0; i < rows.size(); ++i) {
        ClickCell(list, rows[i], 2, i == 0 ? Qt::NoModifier : Qt::ControlModifier);
        ids.push_back(model_.listed.at(static_cast<size_t>(rows[i])));
    }
    QTest::mouseClick(&Button(workbench_, "Удалить хроматограмму"), Qt::LeftButton);
    Forget(ids);
    return "delete rows " + RowsText(rows);
}

std::optional<std::string> RandomUser::DeleteAll() {
    QTest::mouseClick(&Button(workbench_, "Удалить все хроматограммы"), Qt::LeftButton);
    const std::vector<int32_t> all = model_.listed;
    Forget(all);
    return "delete all";
}

void RandomUser::Forget(const std::vector<int32_t>& ids) {
    for (int32_t id : ids) {
        std::erase(model_.listed, id);
        model_.included.erase(id);
        if (model_.chosenSample == id) model_.chosenSample.reset();
    }
}

std::string RandomUser::Toggle(QTreeWidget& list, int row) {
    if (choice_.Chance(50)) {
        ClickCheckBox(list, row);
        return "click the box of row " + std::to_string(row + 1);
    }
    ClickCell(list, row, 1);
    QTest::keyClick(&list, Qt::Key_Space);
    return "space on row " + std::to_string(row + 1);
}

std::optional<std::string> RandomUser::ToggleAssay() {
    QTreeWidget& list = *AssaysList(workbench_);
    if (list.topLevelItemCount() == 0) return std::nullopt;
    const int row = static_cast<int>(choice_.Below(static_cast<uint32_t>(list.topLevelItemCount())));
    const int32_t id = model_.listed.at(static_cast<size_t>(row));
    const bool ticked = model_.included.count(id) == 0;
    const std::string description = "assays list: " + Toggle(list, row);
    const std::vector<BoxAnswerer::Answer> answers = answerer_.TakeAnswers();
    Included(id, ticked, answers);
    return Described(description, answers);
}

void RandomUser::Included(int32_t id, bool ticked, const std::vector<BoxAnswerer::Answer>& answers) {
    if (!ticked) {
        model_.included.erase(id);
        return;
    }
    const auto methodOf = [this](int32_t assay) {
        return std::find_if(set_.assays.begin(), set_.assays.end(),
                            [assay](const DemoAssay& a) { return a.id == assay; })
            ->method;
    };
    const bool otherMethod = std::any_of(model_.included.begin(), model_.included.end(),
                                         [&](int32_t other) { return methodOf(other) != methodOf(id); });
    if (!otherMethod) {
        model_.included.insert(id);
        return;
    }
    const auto question = std::find_if(answers.begin(), answers.end(),
                                       [](const BoxAnswerer::Answer& a) { return a.text == kOtherMethodQuestion; });
    if (question == answers.end()) {
        model_.problem = "ticking an assay of another method asked nothing";
        return;
    }
    if (question->accepted) model_.included = {id};
}

std::optional<std::string> RandomUser::TogglePoint() {
    QTreeWidget* list = ListHeaded(workbench_, "№ / Компонент");
    if (list == nullptr || list->topLevelItemCount() == 0) return std::nullopt;
    const int row = static_cast<int>(choice_.Below(static_cast<uint32_t>(list->topLevelItemCount())));
    const bool checked = list->topLevelItem(row)->checkState(0) == Qt::Checked;
    model_.toggledPoint = std::make_pair(row, !checked);
    return "points list: " + Toggle(*list, row);
}

std::optional<std::string> RandomUser::ChooseIn(const char* comboLabel) {
    QComboBox* combo = WorkbenchCombo(workbench_, comboLabel);
    if (combo == nullptr || !combo->isEnabled() || combo->count() == 0) return std::nullopt;
    const int index = static_cast<int>(choice_.Below(static_cast<uint32_t>(combo->count())));
    ChooseByKeys(*combo, index);
    return std::string(comboLabel) + " " + combo->itemText(index).toStdString() + " by the arrow keys";
}

std::string RandomUser::TextFor(const std::string& label) {
    if (choice_.Chance(45)) {
        if (choice_.Chance(50)) return choice_.Pick(kOddEntries);
        std::string keys;
        const uint32_t length = choice_.Below(7);
        const QString all = QString::fromStdString(kKeys);
        for (uint32_t i = 0; i < length; ++i)
            keys += QString(all[static_cast<int>(choice_.Below(static_cast<uint32_t>(all.size())))]).toStdString();
        return keys;
    }
    if (label.starts_with("K")) return choice_.Pick(kRealisticK);
    if (label.starts_with("Alpha")) return choice_.Pick(kRealisticAlpha);
    return choice_.Pick(kRealisticMasses);
}

std::optional<std::string> RandomUser::TypeIntoAnEdit() {
    std::vector<std::string> usable;
    for (const char* label : kTypedEditLabels) {
        const QLineEdit* edit = ControlNear<QLineEdit>(workbench_, label, false);
        if (edit != nullptr && edit->isEnabled()) usable.push_back(label);
    }
    const std::string label = choice_.Pick(usable);
    QLineEdit& edit = *ControlNear<QLineEdit>(workbench_, QString::fromStdString(label), false);
    const std::string text = TextFor(label);
    QTest::mouseClick(&edit, Qt::LeftButton);
    std::string description = "type '" + text + "' into " + label;
    const uint32_t how = choice_.Below(100);
    if (how < 60) {
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        description += " over its text";
    } else {
        QTest::keyClick(&edit, Qt::Key_End);
        const uint32_t erased = how < 85 ? 0 : 1 + choice_.Below(3);
        for (uint32_t i = 0; i < erased; ++i) QTest::keyClick(&edit, Qt::Key_Backspace);
        description += " after " + std::to_string(erased) + " backspaces at its end";
    }
    TypeKeys(edit, QString::fromStdString(text));
    model_.pendingEdits.insert(label);
    LookAtTheWorkbench();  // a box may have taken the activation while the keys were typed
    const uint32_t end = choice_.Below(100);
    if (end < 40) {
        QTest::keyClick(&edit, Qt::Key_Return);
        model_.pendingEdits.erase(label);
        return description + ", Enter";
    }
    if (end < 60) {
        QTest::keyClick(&edit, Qt::Key_Tab);
        return description + ", Tab";
    }
    return description;
}

std::optional<std::string> RandomUser::LeaveTheEdit() {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (edit == nullptr || edit->window() != &workbench_) return std::nullopt;
    switch (choice_.Below(3)) {
    case 0: QTest::keyClick(edit, Qt::Key_Tab); return std::string("leave the edit with Tab");
    case 1:
        QTest::keyClick(edit, Qt::Key_Return);
        std::erase_if(model_.pendingEdits, [&](const std::string& label) {
            return ControlNear<QLineEdit>(workbench_, QString::fromStdString(label), false) == edit;
        });
        return std::string("leave the edit with Enter");
    default: {
        QTreeWidget& list = *AssaysList(workbench_);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          QPoint(list.viewport()->width() - 2, list.viewport()->height() - 2));
        return std::string("leave the edit with a click into the assays list's empty corner");
    }
    }
}

std::optional<std::string> RandomUser::ChooseResultsRow() {
    // Clicking the list would leave the edit first, and the pass that runs then may refill the list
    // under the mouse: the user finishes typing before choosing a row.
    if (!model_.pendingEdits.empty()) return LeaveTheEdit();
    QTreeWidget* list = ListHeaded(workbench_, "Имя файла");
    if (list == nullptr || list->topLevelItemCount() == 0) return std::nullopt;
    const int row = static_cast<int>(choice_.Below(static_cast<uint32_t>(list->topLevelItemCount())));
    const DemoAssay* assay = AssayShownAs(set_, list->topLevelItem(row)->text(0).toStdString());
    // A click on the row already shown chooses nothing: it may be shown only as the last included one.
    const bool shownBefore = list->topLevelItem(row)->isSelected();
    ClickCell(*list, row, 1);
    if (assay != nullptr && !shownBefore) model_.chosenSample = assay->id;
    return "choose results row " + std::to_string(row + 1) + (shownBefore ? ", shown already" : "");
}

std::optional<std::string> RandomUser::EditComponents() {
    std::string description = "components: the dialog did not come";
    ClickAndAct(Button(workbench_, "Таблица компонентов"), [this, &description] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->windowTitle() != "Компоненты") return false;
        description = "components: " + WorkComponents(*dialog);
        return true;
    });
    return description;
}

std::string RandomUser::WorkComponents(QWidget& dialog) {
    QApplication::setActiveWindow(&dialog);  // as a window system activates a dialog it shows
    QTreeWidget& grid = *dialog.findChild<QTreeWidget*>();
    std::string done;
    for (uint32_t edits = choice_.Below(4); edits > 0; --edits) done += EditComponentCell(grid) + "; ";
    for (int attempt = 0; attempt < kClosingAttempts && dialog.isVisible(); ++attempt) {
        const uint32_t how = choice_.Below(3);
        if (how == 0) QTest::mouseClick(ButtonWithText(dialog, "Сохранить"), Qt::LeftButton);
        if (how == 1) QTest::mouseClick(ButtonWithText(dialog, "Отмена"), Qt::LeftButton);
        if (how == 2) QTest::keyClick(&dialog, Qt::Key_Escape);
        done += WithAnswers(std::vector<const char*>{"Save", "Cancel", "Escape"}[how]) + "; ";
    }
    if (dialog.isVisible()) {
        model_.problem = "the components dialog did not close";
        dialog.hide();
    }
    return done;
}

std::string RandomUser::EditComponentCell(QTreeWidget& grid) {
    const uint32_t what = choice_.Below(4);
    if (what == 0) {
        QTest::mouseClick(ButtonWithText(*grid.window(), "Добавить компонент"), Qt::LeftButton);
        return "add a component";
    }
    // The standards' keys and molar masses stay usable: what a missing standard does to the points
    // is checked by the module's own tests, and the checks here count the standards of the demo runs.
    std::vector<int> rows;
    for (int row = 0; row < grid.topLevelItemCount(); ++row) {
        const bool standard = grid.topLevelItem(row)->text(1).startsWith("PS-");
        if (standard == (what != 1)) rows.push_back(row);
    }
    if (rows.empty()) return "nothing to edit";
    const int row = choice_.Pick(rows);
    if (what == 1) {
        ClickCell(grid, row, 1);
        QTest::mouseClick(ButtonWithText(*grid.window(), "Удалить компонент(ы)"), Qt::LeftButton);
        return "delete component row " + std::to_string(row + 1);
    }
    const int column = what == 2 ? 2 : 3;
    const std::string text = column == 2 ? choice_.Pick(std::vector<std::string>{"Полистирол", "PS std", "ПС;1", ""})
                                         : std::to_string(1000 + choice_.Below(2000000)) + ".5";
    ClickCell(grid, row, column);
    DoubleClickCell(grid, row, column);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (editor == nullptr || editor->parentWidget() != grid.viewport())
        return "no editor over row " + std::to_string(row + 1);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    TypeKeys(*editor, QString::fromStdString(text));
    const bool keep = choice_.Chance(80);
    QTest::keyClick(editor, keep ? Qt::Key_Return : Qt::Key_Escape);
    QApplication::processEvents();  // the closed editor goes, as it does before the user's next click
    return "type '" + text + "' into row " + std::to_string(row + 1) + " column " + std::to_string(column) +
           (keep ? ", Enter" : ", Escape");
}

std::optional<std::string> RandomUser::MakeReport() {
    QTest::mouseClick(&Button(workbench_, "Отчет"), Qt::LeftButton);
    bool page = false;
    for (const fs::directory_entry& entry : fs::directory_iterator(reportFolder_))
        page = page || (entry.path().extension() == ".html" && entry.file_size() > 0);
    std::string description = WithAnswers("make the report");
    if (!page && description.find("[box") == std::string::npos)
        model_.problem = "the report wrote no page and told nothing";
    for (const fs::directory_entry& entry : fs::directory_iterator(reportFolder_)) fs::remove_all(entry.path());
    return description;
}
