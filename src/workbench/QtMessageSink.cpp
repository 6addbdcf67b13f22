// The module's message boxes: texts translated, then shown with QMessageBox.
#include "workbench/QtMessageSink.h"

#include "resources/MessageTable.h"

#include <QMessageBox>

namespace {

QMessageBox::Icon BoxIcon(MessageSink::Icon icon) {
    switch (icon) {
    case MessageSink::Icon::Information: return QMessageBox::Information;
    case MessageSink::Icon::Question: return QMessageBox::Question;
    case MessageSink::Icon::Warning: return QMessageBox::Warning;
    case MessageSink::Icon::Error: return QMessageBox::Critical;
    case MessageSink::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(MessageSink::Buttons buttons) {
    switch (buttons) {
    case MessageSink::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageSink::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageSink::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageSink::Answer ToAnswer(int button) {
    switch (button) {
    case QMessageBox::Ok: return MessageSink::Answer::Ok;
    case QMessageBox::Yes: return MessageSink::Answer::Yes;
    case QMessageBox::No: return MessageSink::Answer::No;
    default: return MessageSink::Answer::Cancel;
    }
}

}  // namespace

std::string TranslatedMessage(const ResourceLibrary& texts, const std::string& text) {
    const std::optional<MessageMatch> match = MatchMessage(text);
    if (!match) return text;
    return FillMessage(texts.Translate(kMessageContext, match->format), match->argument);
}

MessageSink::Answer QtMessageSink::Show(const std::string& text, const std::string& caption, Buttons buttons, Icon icon) {
    QMessageBox box(BoxIcon(icon), QString::fromStdString(TranslatedMessage(texts_, caption)),
                    QString::fromStdString(TranslatedMessage(texts_, text)), BoxButtons(buttons), parent_);
    return ToAnswer(box.exec());
}
