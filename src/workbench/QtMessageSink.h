// Message boxes of the module shown with QMessageBox, modal over a parent window, in the language of
// the resource library in use.
#pragma once

#include "base/MessageSink.h"
#include "resources/ResourceLibrary.h"

#include <string>

class QWidget;

// A message text or caption of the module in the language of texts, its filled-in part kept; any
// other text (one already translated, a text of the system) unchanged.
std::string TranslatedMessage(const ResourceLibrary& texts, const std::string& text);

class QtMessageSink : public MessageSink {
public:
    // parent may be null; it and texts must outlive the sink.
    QtMessageSink(QWidget* parent, const ResourceLibrary& texts) : parent_(parent), texts_(texts) {}
    Answer Show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;

private:
    QWidget* parent_;
    const ResourceLibrary& texts_;
};
