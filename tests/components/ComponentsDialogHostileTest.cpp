// The components dialog showing a table file whose keys and names are markup and control characters:
// the grid holds them as plain text, byte for byte.
#include "base/FixedEnvironment.h"
#include "base/MessageSink.h"
#include "components/Dlg_Components.h"
#include "grid/CGridCtrl.h"
#include "resources/ResourceLibrary.h"

#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

TEST(ComponentsDialogHostile, MarkupAndControlCharactersAreShownAsPlainText) {
    const fs::path folder = fs::temp_directory_path() / ("quorvel-dlg-hostile-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string key = "<b>&lt \"k\" 'q'</b>\x01\x1b[31m\t";
    const std::string name = "<script>alert(1)</script>\x7f\rx";
    std::ofstream(folder / kComponentsFileName, std::ios::binary)
        << "Id;Key;Name;Mass\r\n1;" << key << ";" << name << ";1.00\r\n2;" << std::string(300, 'L') << ";n;2.00\r\n";
    const FixedEnvironment environment(folder.string(), std::nullopt);
    const ResourceLibrary library;
    {
        RecordingMessageSink messages;
        Dlg_Components dialog(messages, environment, library);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        ASSERT_EQ(dialog.Grid().RowCount(), 2);
        EXPECT_EQ(dialog.Grid().ItemText(0, 1).toStdString(), key);
        EXPECT_EQ(dialog.Grid().ItemText(0, 2).toStdString(), name);
        EXPECT_EQ(dialog.Grid().ItemText(1, 1).toStdString(), std::string(198, 'L'));
        EXPECT_FALSE(dialog.grab().isNull());
        messages.answers.push_back(MessageSink::Answer::Ok);
        dialog.reject();
    }
    fs::remove_all(folder);
}

}  // namespace
