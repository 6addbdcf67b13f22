// The module's messages to the user, each named once: a name, its Russian format (at most one "%s",
// filled with the message's argument) and, in the translation, the same name. Nothing is ever looked
// up by the text shown.
#pragma once

#include <string>
#include <utility>

enum class MessageId {
    AveragesError,
    DatabaseError,
    OtherMethodQuestion,
    OtherMethodCaption,
    EnterNumber,
    AssayWithoutInformation,
    KTooLarge,
    AlphaTooLarge,
    ComponentNotFound,
    ReportError,
    FileNotWritten,
    NoDocumentsFolder,
    TooManyComponents,
    ComponentsFileChanged,
    ComponentWithSeparator,
    ComponentFieldTooLong,
    ComponentsCaption,
    LeaveWithoutSavingQuestion,
    LeaveWithoutSavingCaption,
    TransformFailed,
    ReportFolderMissing,
    ChromatogramNotOpened,
    ChromatogramHeaderCut,
    NotAChromatogram,
    ChromatogramVersionUnknown,
    ChromatogramBlockCut,
    ChromatogramSamplesMissing,
    ChromatogramXmlDamaged,
    BroadStandardMissing,
    BroadStandardAveragesMissing,
    BroadStandardRatioUnreachable,
};

// Every message name, in declaration order; for tables and tests that walk them all.
inline constexpr MessageId kAllMessages[] = {
    MessageId::AveragesError,
    MessageId::DatabaseError,
    MessageId::OtherMethodQuestion,
    MessageId::OtherMethodCaption,
    MessageId::EnterNumber,
    MessageId::AssayWithoutInformation,
    MessageId::KTooLarge,
    MessageId::AlphaTooLarge,
    MessageId::ComponentNotFound,
    MessageId::ReportError,
    MessageId::FileNotWritten,
    MessageId::NoDocumentsFolder,
    MessageId::TooManyComponents,
    MessageId::ComponentsFileChanged,
    MessageId::ComponentWithSeparator,
    MessageId::ComponentFieldTooLong,
    MessageId::ComponentsCaption,
    MessageId::LeaveWithoutSavingQuestion,
    MessageId::LeaveWithoutSavingCaption,
    MessageId::TransformFailed,
    MessageId::ReportFolderMissing,
    MessageId::ChromatogramNotOpened,
    MessageId::ChromatogramHeaderCut,
    MessageId::NotAChromatogram,
    MessageId::ChromatogramVersionUnknown,
    MessageId::ChromatogramBlockCut,
    MessageId::ChromatogramSamplesMissing,
    MessageId::ChromatogramXmlDamaged,
    MessageId::BroadStandardMissing,
    MessageId::BroadStandardAveragesMissing,
    MessageId::BroadStandardRatioUnreachable,
};

// One message as shown: which one, and what stands in its "%s" ("" for a format without one).
struct Message {
    // Implicit, so that a message without an argument is given by its name alone.
    Message(MessageId id = MessageId::AveragesError, std::string argument = {})
        : id(id), argument(std::move(argument)) {}

    MessageId id;
    std::string argument;
};

// The message's name as written in the translation file ("AveragesError").
const char* MessageName(MessageId id);
// The Russian format, UTF-8.
const char* MessageFormat(MessageId id);
// A format whose "%s" is filled with argument; the format itself when it holds none.
std::string FillMessage(const std::string& format, const std::string& argument);
// The Russian text of a message: its format filled with its argument.
std::string MessageText(const Message& message);
