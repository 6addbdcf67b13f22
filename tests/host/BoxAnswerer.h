// Answers every message box the moment it shows, as a user reads it and clicks one of its buttons
// (chosen by the random user's dice), and keeps what each box said and which button was clicked.
#pragma once

#include "SeededChoice.h"

#include <QObject>

#include <string>
#include <vector>

class BoxAnswerer : public QObject {
public:
    struct Answer {
        std::string text;  // the box's text
        bool accepted;  // OK or Yes was clicked; false for Cancel or No
    };

    // Watches every window of the application from now on; choice must outlive the answerer.
    explicit BoxAnswerer(SeededChoice& choice);
    ~BoxAnswerer() override;
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    // The boxes answered since the last call, in the order they showed.
    std::vector<Answer> TakeAnswers();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SeededChoice& choice_;
    std::vector<Answer> answers_;
};
