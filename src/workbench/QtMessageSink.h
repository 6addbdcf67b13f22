// Message boxes of the module shown with QMessageBox, modal over a parent window.
#pragma once

#include "shell/MessageSink.h"

class QWidget;

class QtMessageSink : public MessageSink {
public:
    // parent may be null; it must outlive the sink.
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}
    Answer Show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) override;

private:
    QWidget* parent_;
};
