// The module's message boxes: texts translated by the messages' names, then shown with QMessageBox.
#include "workbench/QtMessageSink.h"

#include "resources/ResourceLibrary.h"
#include "resources/WindowTexts.h"

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

// The format of a message in the language in use. The library hands back the name itself when the
// translation lacks it; the Russian format stands in then.
std::string TranslatedFormat(const ResourceLibrary& texts, MessageId id) {
    const char* name = MessageName(id);
    const std::string translated = texts.Translate(kMessageContext, name);
    return translated == name ? MessageFormat(id) : translated;
}

}  // namespace

std::string TranslatedMessage(const ResourceLibrary& texts, const Message& message) {
    return FillMessage(TranslatedFormat(texts, message.id), message.argument);
}

MessageSink::Answer QtMessageSink::Show(const Message& message, std::optional<MessageId> caption, Buttons buttons,
                                        Icon icon) {
    const std::string title = caption ? TranslatedMessage(texts_, *caption) : std::string();
    QMessageBox box(BoxIcon(icon), QString::fromStdString(title),
                    QString::fromStdString(TranslatedMessage(texts_, message)), BoxButtons(buttons), parent_);
    return ToAnswer(box.exec());
}
