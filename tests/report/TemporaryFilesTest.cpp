// Unique report files in the temporary folder: prefix, suffix, exclusive creation and rights.
#include "ReportTestSupport.h"
#include "report/TemporaryFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

class TemporaryFiles : public testing::Test {
protected:
    TempFolder folder;
    ScopedEnvironment tmpdir{"TMPDIR", folder.Path().string()};
};

mode_t Permissions(const std::string& path) {
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status.st_mode & 07777;
}

TEST_F(TemporaryFiles, FileBesideItsPlaceholder) {
    const std::string entry = CreateTemporaryEntry(".html", TemporaryKind::File);
    ASSERT_FALSE(entry.empty());
    const fs::path path(entry);
    EXPECT_EQ(path.parent_path(), folder.Path());
    EXPECT_EQ(path.extension(), ".html");
    EXPECT_TRUE(fs::is_regular_file(path));
    EXPECT_EQ(fs::file_size(path), 0u);
    EXPECT_EQ(Permissions(entry), 0600u);
    const std::string placeholder = entry.substr(0, entry.size() - 5);
    EXPECT_TRUE(fs::is_regular_file(placeholder));
    EXPECT_EQ(ZelEntries(folder.Path()),
              (std::vector<std::string>{fs::path(placeholder).filename().string(), path.filename().string()}));
}

TEST_F(TemporaryFiles, FolderOnlyTheUserMayEnter) {
    const std::string entry = CreateTemporaryEntry(".cat", TemporaryKind::Folder);
    ASSERT_FALSE(entry.empty());
    EXPECT_TRUE(fs::is_directory(entry));
    EXPECT_EQ(Permissions(entry), 0700u);
    EXPECT_EQ(fs::path(entry).filename().string().rfind("zel", 0), 0u);
}

TEST_F(TemporaryFiles, EveryCallGivesNewNames) {
    std::vector<std::string> entries;
    for (int i = 0; i < 20; ++i) entries.push_back(CreateTemporaryEntry(".html", TemporaryKind::File));
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(std::adjacent_find(entries.begin(), entries.end()), entries.end());
    EXPECT_EQ(ZelEntries(folder.Path()).size(), 40u);
}

TEST(TemporaryFilesInARelativeFolder, HaveFullPaths) {
    TempFolder folder;
    const fs::path previous = fs::current_path();
    fs::current_path(folder.Path());
    fs::create_directory("relative");
    const std::string entry = [] {
        ScopedEnvironment tmpdir("TMPDIR", std::string("relative"));
        return CreateTemporaryEntry(".html", TemporaryKind::File);
    }();
    fs::current_path(previous);
    EXPECT_EQ(fs::path(entry).parent_path(), folder.Path() / "relative");
}

TEST(TemporaryFilesWithoutFolder, GiveNothing) {
    TempFolder folder;
    WriteFileBytes(folder / "file", "x");
    for (const std::string& tmpdir : {folder / "missing", folder / "file"}) {
        ScopedEnvironment environment("TMPDIR", tmpdir);
        EXPECT_EQ(CreateTemporaryEntry(".html", TemporaryKind::File), "") << tmpdir;
    }
}

}  // namespace
