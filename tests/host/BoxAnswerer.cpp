#include "BoxAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

BoxAnswerer::BoxAnswerer(SeededChoice& choice) : choice_(choice) { QApplication::instance()->installEventFilter(this); }

BoxAnswerer::~BoxAnswerer() { QApplication::instance()->removeEventFilter(this); }

std::vector<BoxAnswerer::Answer> BoxAnswerer::TakeAnswers() { return std::exchange(answers_, {}); }

bool BoxAnswerer::eventFilter(QObject* watched, QEvent* event) {
    auto* shown = event->type() == QEvent::Show ? qobject_cast<QMessageBox*>(watched) : nullptr;
    if (shown == nullptr) return false;
    // Clicked once the box waits in its own event loop, as a user's click would come.
    QTimer::singleShot(0, shown, [this, box = QPointer<QMessageBox>(shown)] {
        if (box == nullptr || !box->isVisible()) return;
        const QList<QAbstractButton*> buttons = box->buttons();
        if (buttons.isEmpty()) return;
        QAbstractButton* button = buttons[static_cast<int>(choice_.Below(static_cast<uint32_t>(buttons.size())))];
        const QMessageBox::ButtonRole role = box->buttonRole(button);
        answers_.push_back(
            {box->text().toStdString(), role == QMessageBox::AcceptRole || role == QMessageBox::YesRole});
        QTest::mouseClick(button, Qt::LeftButton);
    });
    return false;
}
