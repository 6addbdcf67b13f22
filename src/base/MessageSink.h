// Where the module's message boxes go. The Qt layer shows them with QMessageBox, translated by the
// messages' names; tests and the headless tool record them in order and answer with a chosen button.
#pragma once

#include "base/Message.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class MessageSink {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Icon { None, Information, Question, Warning, Error };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageSink() = default;
    // Shows message with the given caption (none: an empty one), buttons and icon; returns the
    // button chosen.
    virtual Answer Show(const Message& message, std::optional<MessageId> caption = std::nullopt,
                        Buttons buttons = Buttons::Ok, Icon icon = Icon::None) = 0;
};

// Records every message, with its Russian text, and answers from a script; once the script is used
// up it answers Ok for an Ok box, Cancel for OkCancel and No for YesNo.
class RecordingMessageSink : public MessageSink {
public:
    Answer Show(const Message& message, std::optional<MessageId> caption, Buttons buttons, Icon) override {
        shown.push_back(message);
        texts.push_back(MessageText(message));
        captions.push_back(caption ? MessageFormat(*caption) : std::string());
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

    std::vector<Message> shown;  // every message shown, in order
    std::vector<std::string> texts;  // their Russian texts
    std::vector<std::string> captions;  // their captions' Russian texts; "" for none
    std::deque<Answer> answers;  // answers to give, in order
};
