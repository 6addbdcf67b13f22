// Where the module's message boxes go. The Qt layer shows them with QMessageBox; tests and the
// headless tool record the texts in order and answer with a chosen button.
#pragma once

#include "base/Message.h"

#include <deque>
#include <string>
#include <vector>

class MessageSink {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Information, Question, Warning, Error };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageSink() = default;
    // Shows text (UTF-8) with the given caption, buttons and icon; returns the button chosen.
    virtual Answer Show(const std::string& text, const std::string& caption = {},
                        Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
};

// Records every message and answers from a script; once the script is used up it answers Ok for
// an Ok box, Cancel for OkCancel and No for YesNo.
class RecordingMessageSink : public MessageSink {
public:
    Answer Show(const std::string& text, const std::string& caption, Buttons buttons, Icon) override {
        texts.push_back(text);
        captions.push_back(caption);
        if (!answers.empty()) {
            const Answer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        switch (buttons) {
        case Buttons::OkCancel: return Answer::Cancel;
        case Buttons::YesNo: return Answer::No;
        case Buttons::Ok: break;
        }
        return Answer::Ok;
    }

    std::vector<std::string> texts;  // every text shown, in order
    std::vector<std::string> captions;
    std::deque<Answer> answers;  // answers to give, in order
};
