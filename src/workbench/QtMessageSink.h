// Message boxes of the module shown with QMessageBox, modal over a parent window, in the language of
// the resource library in use.
#pragma once

#include "base/MessageSink.h"

#include <string>

class QWidget;

// A message text or caption of the module in the language in use, its filled-in part kept; any
// other text (one already translated, a text of the system) unchanged.
std::string TranslatedMessage(const std::string& text);

class QtMessageSink : public MessageSink {
public:
    // parent may be null; it must outlive the sink.
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}
    Answer Show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;

private:
    QWidget* parent_;
};
