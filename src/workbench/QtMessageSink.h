// Message boxes of the module shown with QMessageBox, modal over a parent window, in the language of
// the resource library in use.
#pragma once

#include "base/MessageSink.h"

#include <string>

class QWidget;

// A message of the module in the language in use: the translation of its name filled with its
// argument; its Russian text when the translation lacks the name or none is loaded.
std::string TranslatedMessage(const Message& message);

class QtMessageSink : public MessageSink {
public:
    // parent may be null; it must outlive the sink.
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}
    Answer Show(const Message& message, std::optional<MessageId> caption, Buttons buttons, Icon icon) override;

private:
    QWidget* parent_;
};
