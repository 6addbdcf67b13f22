// A seeded random user of the workbench window: thousands of actions a chromatographer could do,
// each picked by its dice and done only through the window with the keyboard and the mouse (assays
// added through the host's chooser, deleted, ticked; points toggled; combos chosen; edits typed into
// and left; a results row chosen; the components table edited and saved or dropped; the report made),
// every message box answered with one of its buttons; after each action the window is checked
// (WorkbenchInvariants). The same seed does the same actions.
#pragma once

#include "BoxAnswerer.h"
#include "DemoDataSet.h"
#include "FreshCalculation.h"
#include "HostDriving.h"
#include "SeededChoice.h"
#include "UserModel.h"

#include <QLineEdit>
#include <QTreeWidget>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class RandomUser {
public:
    // Works the shown workbench window on the demo set; the report's pages go into reportFolder (the
    // process's temporary folder), which is emptied after each report. All three outlive the user.
    RandomUser(QWidget& workbench, const DemoDataSet& set, uint32_t seed, const std::filesystem::path& reportFolder);

    // Does one action and checks the window: the first broken invariant, or empty.
    std::string Step();
    // What the window shows now, in lines of text.
    std::string Shown() const;
    // What each action did, in order, with the texts of the boxes it answered.
    const std::vector<std::string>& Actions() const { return actions_; }
    // How many checks compared every number with a fresh calculation (the others came while an edit
    // the user typed into was not left yet).
    int NumbersCompared() const { return numbersCompared_; }

private:
    // One action: what it did, or none when it cannot be done now (nothing listed, nothing to choose).
    using Action = std::optional<std::string> (RandomUser::*)();
    struct WeightedAction {
        Action action;
        uint32_t weight;
    };
    static const std::vector<WeightedAction> kActions;

    std::optional<std::string> AddAssays();
    std::optional<std::string> DeleteSome();
    std::optional<std::string> DeleteAll();
    std::optional<std::string> ToggleAssay();
    std::optional<std::string> TogglePoint();
    std::optional<std::string> ChooseType() { return ChooseIn("Градуировка:"); }
    std::optional<std::string> ChooseDependence() { return ChooseIn("Зависимость:"); }
    std::optional<std::string> ChooseChannel() { return ChooseIn("Канал:"); }
    std::optional<std::string> TypeIntoAnEdit();
    std::optional<std::string> LeaveTheEdit();
    std::optional<std::string> ChooseResultsRow();
    std::optional<std::string> EditComponents();
    std::optional<std::string> MakeReport();

    std::optional<std::string> ChooseIn(const char* comboLabel);
    // Ticks or unticks a row of list with the space key or a click on its box; how, in words.
    std::string Toggle(QTreeWidget& list, int row);
    // The text typed into the edit of label: a realistic entry or keys a user may hit by mistake.
    std::string TextFor(const std::string& label);
    // Inside the shown components dialog: a few edits, then Save, Cancel or Escape until it closes.
    std::string WorkComponents(QWidget& dialog);
    std::string EditComponentCell(QTreeWidget& grid);
    // The model after the box of assay id was ticked or unticked, with the boxes the action answered.
    void Included(int32_t id, bool ticked, const std::vector<BoxAnswerer::Answer>& answers);
    // The model after the assays with these ids were deleted.
    void Forget(const std::vector<int32_t>& ids);
    // The boxes answered during the action, appended to its description.
    std::string WithAnswers(const std::string& description);
    // Makes the workbench the active window again, as a window system does when a box or dialog over
    // it closes (the offscreen platform activates no other window); false when it cannot.
    bool LookAtTheWorkbench();
    // Edits typed into count as left once the focus is elsewhere (or they are hidden).
    void ForgetLeftEdits();
    // A window that still waits for the user after the action (a box nobody answered); empty when none.
    std::string WaitingWindow() const;

    QWidget& workbench_;
    const DemoDataSet& set_;
    std::filesystem::path reportFolder_;
    SeededChoice choice_;
    BoxAnswerer answerer_;
    ModalWatch unexpected_;
    FreshCalculation fresh_;
    UserModel model_;
    std::vector<std::string> actions_;
    int numbersCompared_ = 0;
};
