// Driving the reference host and the module's windows as a user does, for the end-to-end and scenario
// tests, the random user and the module session program that scripts/valgrind runs: menu entries,
// windows by title, buttons by tool tip, controls by their labels, lists by their first column, keys
// and clicks on combos, edits and check boxes, the host's assay chooser, and a watch that closes
// message boxes nobody expected.
#pragma once

#include "host/AssayChooserDialog.h"
#include "host/HostApplication.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

// Options of a host (Russian) on database and profile whose plug-in folder, made under folder, holds
// the module just built and nothing else of the build folder.
inline HostOptions HostWithTheModule(const std::string& database, const std::string& profile,
                                     const std::filesystem::path& folder) {
    const std::filesystem::path plugins = folder / "plugins";
    std::filesystem::create_directory(plugins);
    std::filesystem::copy_file(std::filesystem::path(QUORVEL_BIN_DIR) / "quorvel.so", plugins / "quorvel.so");
    return {QString::fromStdString(database), QString::fromStdString(profile), QString::fromStdString(plugins.string()),
            1049};
}

// The action at the end of a menu path (texts from the menu bar down); null when there is none.
inline QAction* FindAction(const QList<QAction*>& actions, const QStringList& path) {
    for (QAction* action : actions) {
        if (action->text() != path.front()) continue;
        if (path.size() == 1) return action;
        return action->menu() ? FindAction(action->menu()->actions(), path.mid(1)) : nullptr;
    }
    return nullptr;
}

// The visible top-level window with this title; null when none is shown.
inline QWidget* VisibleWindowTitled(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == title) return widget;
    return nullptr;
}

// The button of window with this tool tip (the icon buttons have no text); null when none.
inline QPushButton* ButtonWithTip(QWidget& window, const QString& tip) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->toolTip() == tip) return button;
    return nullptr;
}

// The button of window with this text; null when none.
inline QPushButton* ButtonWithText(QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->text() == text) return button;
    return nullptr;
}

// The workbench's assays list: the leftmost list of the window itself (the components dialog it owns
// has a list of its own); null when there is none.
inline QTreeWidget* AssaysList(QWidget& workbench) {
    auto lists = workbench.findChildren<QTreeWidget*>();
    lists.removeIf([&](QTreeWidget* list) { return list->window() != &workbench; });
    const auto leftmost = std::min_element(lists.begin(), lists.end(), [](QTreeWidget* a, QTreeWidget* b) {
        return a->geometry().left() < b->geometry().left();
    });
    return leftmost == lists.end() ? nullptr : *leftmost;
}

// The control of kind T that a user finds next to the label with text: the nearest one whose top
// lies within the label's height below (under) or level with it (beside).
template <typename T>
inline T* ControlNear(QWidget& window, const QString& text, bool under) {
    const auto labels = window.findChildren<QLabel*>();
    // Only what a user sees: two pairs of a label and an edit may share one place, one pair shown.
    const auto label =
        std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->isVisible() && l->text() == text; });
    if (label == labels.end()) return nullptr;
    const QRect anchor = (*label)->geometry();
    T* nearest = nullptr;
    int bestDistance = INT_MAX;
    for (T* control : window.findChildren<T*>()) {
        if (control->window() != &window || !control->isVisible()) continue;
        const QRect r = control->geometry();
        const int dy = under ? r.top() - anchor.bottom() : std::abs(r.center().y() - anchor.center().y());
        const int dx = under ? std::abs(r.left() - anchor.left()) : r.left() - anchor.right();
        if (dy < 0 || dy > anchor.height() || dx < 0 || dx >= bestDistance) continue;
        nearest = control;
        bestDistance = dx;
    }
    return nearest;
}

// The workbench's combo of this label: the channel combo stands beside its label, the type and
// dependence combos under theirs; null when none is shown.
inline QComboBox* WorkbenchCombo(QWidget& workbench, const QString& label) {
    return ControlNear<QComboBox>(workbench, label, label != "Канал:");
}

// The list of window (not of a window it owns) whose first column has this title; null when none.
inline QTreeWidget* ListHeaded(QWidget& window, const QString& title) {
    for (QTreeWidget* list : window.findChildren<QTreeWidget*>())
        if (list->window() == &window && list->headerItem()->text(0) == title) return list;
    return nullptr;
}

// Moves a combo to index with the arrow keys, each step a choice of the user; stops where a key
// moves it no further (a disabled combo, an index it lacks).
inline void ChooseByKeys(QComboBox& combo, int index) {
    combo.setFocus();
    for (int before = -2; combo.currentIndex() != index && combo.currentIndex() != before;) {
        before = combo.currentIndex();
        QTest::keyClick(&combo, before < index ? Qt::Key_Down : Qt::Key_Up);
    }
}

// Types text into widget one key at a time; letters beyond ASCII (Cyrillic) come as a keyboard
// layout gives them: a key event carrying the letter.
inline void TypeKeys(QWidget& widget, const QString& text) {
    for (const QChar letter : text) {
        if (letter.unicode() < 128)
            QTest::keyClick(&widget, static_cast<char>(letter.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
}

// Selects the edit's text and types text one key at a time, then Enter.
inline void TypeInto(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&edit, text);
    QTest::keyClick(&edit, Qt::Key_Return);
}

// Makes row current and toggles its check box with the space key.
inline void ToggleRow(QTreeWidget& list, int row) {
    list.setCurrentItem(list.topLevelItem(row));
    QTest::keyClick(&list, Qt::Key_Space);
}

// Clicks the check box of row (in column 0) with the mouse.
inline void ClickCheckBox(QTreeWidget& list, int row) {
    list.scrollTo(list.model()->index(row, 0));
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.rect = list.visualRect(list.model()->index(row, 0));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    const QRect box = list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, &list);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, box.center());
}

// Clicks the middle of a row's cell, with modifiers (Ctrl adds a row to the selection).
inline void ClickCell(QTreeWidget& list, int row, int column, Qt::KeyboardModifiers modifiers = {}) {
    list.scrollTo(list.model()->index(row, column));
    const QRect cell = list.visualRect(list.model()->index(row, column));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, cell.center());
}

// Double-clicks the middle of a row's cell as a mouse does: press, release, the double click, release
// (QTest::mouseDClick gives a list's viewport no double click of its own).
inline void DoubleClickCell(QTreeWidget& list, int row, int column) {
    list.scrollTo(list.model()->index(row, column));
    const QPoint centre = list.visualRect(list.model()->index(row, column)).center();
    QTest::mousePress(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, centre);
    QMouseEvent twice(QEvent::MouseButtonDblClick, QPointF(centre), list.viewport()->mapToGlobal(QPointF(centre)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &twice);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, centre);
}

// Toggles the check box of every row with the space key, as a user includes the assays one by one.
inline void IncludeAll(QTreeWidget& list) {
    for (int row = 0; row < list.topLevelItemCount(); ++row) ToggleRow(list, row);
}

// Selects, with Ctrl held, the rows of the shown chooser whose identifiers are in ids, then OK;
// false when no chooser is shown.
inline bool ChooseInDialog(const std::set<int32_t>& ids) {
    auto* dialog = qobject_cast<AssayChooserDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return false;
    AssayTable* table = dialog->Table();
    for (int row = 0; row < table->rowCount(); ++row) {
        if (ids.count(table->item(row, 0)->text().toInt()) == 0) continue;
        const QRect cell = table->visualRect(table->model()->index(row, 0));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
    }
    dialog->accept();
    return true;
}

// Closes, and remembers the text of, any modal window that nobody expected (a message box of the
// module would otherwise wait forever for a click). A window counts as unexpected when it still waits
// at the next look, half a second on: one that a test answers, within milliseconds, may have come up
// just before a look.
class ModalWatch {
public:
    ModalWatch() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || qobject_cast<AssayChooserDialog*>(modal) || modal != waiting_) {
                waiting_ = modal;
                return;
            }
            const auto labels = modal->findChildren<QLabel*>();
            for (QLabel* label : labels) seen += label->text().toStdString() + "\n";
            modal->close();
        });
        timer_.start(500);
    }
    std::string seen;

private:
    QTimer timer_;
    QPointer<QWidget> waiting_;  // the modal window of the last look; null once it is gone
};
