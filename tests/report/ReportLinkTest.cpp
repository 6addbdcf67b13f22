// The report's temporary files against another user of the temporary folder who plants a symbolic
// link at the name of the page or of the picture folder just before the report creates it.
#include "ChildProcess.h"
#include "ReportTestSupport.h"

#include <gtest/gtest.h>

#include <sys/syscall.h>

#include <set>

namespace fs = std::filesystem;

namespace {

#if defined(__x86_64__)

// The path a call that creates a file or folder names; "" for any other call.
std::string CreatedPath(const SyscallEntry& call) {
    switch (call.number) {
    case SYS_open:
    case SYS_creat:
    case SYS_mkdir: return ReadChildText(call.pid, call.arguments[0]);
    case SYS_openat:
    case SYS_mkdirat: return ReadChildText(call.pid, call.arguments[1]);
    default: return {};
    }
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(ReportLink, PlantedBeforeCreationIsNeverFollowedAndTheReportIsStillMade) {
    const FixedEnvironment documents(QUORVEL_DOCS_DIR, std::nullopt);
    TempFolder temporary;
    TempFolder elsewhere;
    ScopedEnvironment tmpdir{"TMPDIR", temporary.Path().string()};
    ScopedEnvironment noOpen{"QUORVEL_NO_OPEN", std::nullopt};
    const fs::path victim = elsewhere.Path() / "victim.html";
    const fs::path victimFolder = elsewhere.Path() / "victim";
    WriteFileBytes(victim, "precious");
    fs::create_directory(victimFolder);
    PreparedReport report{documents};
    report.assays = {ListedAssay(1, "/data/ps1000.chr", "ГПХ ТГФ", 1700000000)};

    std::set<std::string> planted;  // one link for the page's name, one for the picture folder's
    const TracedEnd end = RunTraced(
        [&report] {
            report.builder.Build();
            return report.platform.opened.size() == 1;
        },
        [&](const SyscallEntry& call) {
            const std::string path = CreatedPath(call);
            if (path.rfind(temporary.Path().string(), 0) != 0) return false;
            for (const auto& [suffix, target] : {std::pair{".html", victim}, std::pair{".cat", victimFolder}}) {
                const bool first = std::none_of(planted.begin(), planted.end(),
                                                [&](const std::string& p) { return EndsWith(p, suffix); });
                if (EndsWith(path, suffix) && first) {
                    fs::create_symlink(target, path);
                    planted.insert(path);
                }
            }
            return false;
        });
    if (end == TracedEnd::Untraceable) GTEST_SKIP() << "this system does not let a test trace its child";

    EXPECT_EQ(end, TracedEnd::Completed);
    ASSERT_EQ(planted.size(), 2u);
    EXPECT_EQ(FileBytes(victim), "precious");
    EXPECT_TRUE(fs::is_empty(victimFolder));
    int pages = 0;
    for (const auto& entry : fs::directory_iterator(temporary.Path())) {
        if (planted.count(entry.path().string())) {
            EXPECT_TRUE(fs::is_symlink(entry.symlink_status()));
        } else if (entry.path().extension() == ".html") {
            ++pages;
            EXPECT_TRUE(fs::is_regular_file(entry.symlink_status()));
            EXPECT_NE(FileBytes(entry.path()).find("/data/ps1000.chr"), std::string::npos);
        }
    }
    EXPECT_EQ(pages, 1);
}

#endif

}  // namespace
