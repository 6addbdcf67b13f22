// Message boxes of the module shown with QMessageBox, modal over a parent window, in the language of
// the resource library in use.
#pragma once

#include "base/MessageSink.h"
#include "resources/ResourceLibrary.h"

#include <string>

class QWidget;

// A message of the module in the language of texts: the translation of its name filled with its
// argument; its Russian text when the translation lacks the name or none is loaded.
std::string TranslatedMessage(const ResourceLibrary& texts, const Message& message);

class QtMessageSink : public MessageSink {
public:
    // parent may be null; it and texts must outlive the sink.
    QtMessageSink(QWidget* parent, const ResourceLibrary& texts) : parent_(parent), texts_(texts) {}
    Answer Show(const Message& message, std::optional<MessageId> caption, Buttons buttons, Icon icon) override;

private:
    QWidget* parent_;
    const ResourceLibrary& texts_;
};
