// The workbench window under faults and hostile data: a host database that is locked, cut short or
// not a database at all, a chromatogram file replaced while the window is open, and names full of
// markup, control characters or 10,000 characters (assay texts and component names) shown in the
// lists and in the report.
#include "LabDatabaseTest.h"
#include "LinkedHost.h"
#include "TempFolder.h"
#include "components/Cp1251Codec.h"
#include "grid/CGridCtrl.h"
#include "workbench/DlgMain.h"

#include <QApplication>
#include <QComboBox>

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class WorkbenchFault : public LabDatabaseTest {
protected:
    void SetUp() override {
        LabDatabaseTest::SetUp();
        host.connectionUri = DatabasePath();
        host.environment.AskDatabaseLocation();
        host.strings["plugins\\quorvel\\/PublicDocuments_Quorvel"] = folder.string();
        std::ofstream(folder / "CompsTableQuorvel.csv", std::ios::binary)
            << Cp1251Codec().FromUtf8("№;Компонент;Имя компонента;Молярная масса\r\n1;PS-1;ПС;1000.00\r\n");
        ASSERT_TRUE(WriteChromatogram(File("p.chr"), {LabChannel(1, 10.0, 0.5, {0, 1, 2, 1, 0})}));
        database->AddAssay(2, File("p.chr"), "Проба", "GPC");
        database->AddPeak(2, {"P", 11.0, 1, 10.0, 12.0});
    }
    WorkbenchContext Context() const { return {host.link, host.profile, host.environment, texts}; }
    void Add(DlgMain& dlg, std::vector<int32_t> ids) {
        host.chosenAssays = std::move(ids);
        dlg.AddAssays();
        QApplication::processEvents();
    }
    // The report page the workbench makes of its assays; "" when none was written.
    std::string ReportPage(DlgMain& dlg) {
        const fs::path reports = folder / "tmp";
        fs::create_directories(reports);
        fs::copy_file(QUORVEL_DOCS_DIR "/gel.xsl", folder / "gel.xsl", fs::copy_options::overwrite_existing);
        const std::string previous = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
        ::setenv("TMPDIR", reports.c_str(), 1);
        dlg.MakeReport();
        if (previous.empty())
            ::unsetenv("TMPDIR");
        else
            ::setenv("TMPDIR", previous.c_str(), 1);
        for (const auto& entry : fs::directory_iterator(reports))
            if (entry.path().extension() == ".html") return FileBytes(entry.path());
        return {};
    }

    LinkedHost host;
    ResourceLibrary texts;
    RecordingMessageSink messages;
};

// A database the workbench cannot read, how to make it so, and SQLite's words for it.
struct DamageCase {
    const char* name;
    std::function<void(const std::string& path)> damage;  // none: a writer holds the lock
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const DamageCase& c) { return out << c.name; }

class DamagedDatabase : public WorkbenchFault, public testing::WithParamInterface<DamageCase> {};

// Another connection that holds the database's write lock until it is closed.
class ExclusiveWriter {
public:
    explicit ExclusiveWriter(const std::string& path) {
        sqlite3_open(path.c_str(), &db_);
        sqlite3_exec(db_, "PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr);
    }
    ~ExclusiveWriter() { sqlite3_close(db_); }

private:
    sqlite3* db_ = nullptr;
};

TEST_P(DamagedDatabase, GivesTheDatabaseMessageAndTheWorkbenchGoesOn) {
    const std::string goodCopy = File("good.db");
    database.reset();
    fs::copy_file(DatabasePath(), goodCopy);
    host.strings["plugins\\quorvel\\/Assay 1"] = "2/1";
    host.strings["plugins\\quorvel\\/Assay 2"] = "2/0";
    const std::string expected = "Ошибка базы данных: " + GetParam().message;
    std::unique_ptr<DlgMain> dlg;
    {
        std::unique_ptr<ExclusiveWriter> writer;
        if (GetParam().damage)
            GetParam().damage(DatabasePath());
        else
            writer = std::make_unique<ExclusiveWriter>(DatabasePath());
        const std::string damagedBytes = FileBytes(DatabasePath());
        dlg = std::make_unique<DlgMain>(nullptr, Context(), &messages);  // restores both stored entries: one message
        EXPECT_EQ(messages.texts, std::vector<std::string>{expected});
        Add(*dlg, {2});
        EXPECT_TRUE(dlg->State().Assays.empty());
        EXPECT_EQ(dlg->AssaysList().RowCount(), 0);
        EXPECT_EQ(messages.texts, (std::vector<std::string>{expected, expected}));
        EXPECT_EQ(FileBytes(DatabasePath()), damagedBytes) << "the module only reads the host's database";
    }
    // The same window loads the assay once the database is whole and free again.
    fs::copy_file(goodCopy, DatabasePath(), fs::copy_options::overwrite_existing);
    Add(*dlg, {2});
    ASSERT_EQ(dlg->State().Assays.size(), 1u);
    EXPECT_EQ(dlg->AssaysList().ItemText(0, 2), QString("Проба"));
    EXPECT_EQ(messages.texts.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedDatabase,
                         testing::Values(DamageCase{"LockedByAnotherWriter", nullptr, "database is locked"},
                                         DamageCase{"CutShort",
                                                    [](const std::string& path) {
                                                        fs::resize_file(path, fs::file_size(path) / 2);
                                                    },
                                                    "database disk image is malformed"},
                                         DamageCase{"NotADatabase",
                                                    [](const std::string& path) {
                                                        std::ofstream(path, std::ios::binary | std::ios::trunc)
                                                            << std::string(8192, 'x');
                                                    },
                                                    "file is not a database"}),
                         [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.name); });

TEST_F(WorkbenchFault, ReplacedChromatogramIsReadAfreshOnlyOnTheNextLoad) {
    DlgMain dlg(nullptr, Context(), &messages);
    Add(dlg, {2});
    ASSERT_EQ(dlg.State().Assays.size(), 1u);
    dlg.AssaysList().SetCheck(0, true);
    ASSERT_TRUE(WriteChromatogram(File("p.chr"), {LabChannel(1, 20.0, 1.0, {7, 7, 7})}));
    dlg.Recalculate();
    dlg.AssaysList().SetCheck(0, false);
    dlg.AssaysList().SetCheck(0, true);
    ASSERT_EQ(dlg.State().Assays[0].channels.size(), 1u);
    EXPECT_EQ(dlg.State().Assays[0].channels[0].samples.size(), 5u);
    EXPECT_EQ(dlg.State().Assays[0].channels[0].value1, 10.0);

    dlg.DeleteAllAssays();
    Add(dlg, {2});
    ASSERT_EQ(dlg.State().Assays.size(), 1u);
    ASSERT_EQ(dlg.State().Assays[0].channels.size(), 1u);
    EXPECT_EQ(dlg.State().Assays[0].channels[0].samples.size(), 3u);
    EXPECT_EQ(dlg.State().Assays[0].channels[0].value1, 20.0);
}

// Texts of the host database shown in the assays list exactly as stored, without being read as markup.
struct HostileNamesCase {
    const char* name;
    std::string text;
};

std::ostream& operator<<(std::ostream& out, const HostileNamesCase& c) { return out << c.name; }

class HostileNames : public WorkbenchFault, public testing::WithParamInterface<HostileNamesCase> {};

TEST_P(HostileNames, AreListedAsPlainTextAndEscapedInTheReport) {
    const std::string& text = GetParam().text;
    const std::string fileName = "<i>&amp \"q\" 'a'.chr";
    database->AddAssay(5, File(fileName), text, text, false, 1700000000, text);
    DlgMain dlg(nullptr, Context(), &messages);
    Add(dlg, {5});
    ASSERT_EQ(dlg.AssaysList().RowCount(), 1);
    EXPECT_EQ(dlg.AssaysList().ItemText(0, 1).toStdString(), fileName);
    for (const int column : {2, 3, 6})
        EXPECT_EQ(dlg.AssaysList().ItemText(0, column).toStdString(), text) << "column " << column;
    const QImage picture = dlg.grab().toImage();
    EXPECT_FALSE(picture.isNull());

    const std::string page = ReportPage(dlg);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;alert('x')&lt;/script&gt; &amp; \"q\""), std::string::npos);
    EXPECT_TRUE(messages.texts.empty());
}

const std::string kMarkup = "<script>alert('x')</script> & \"q\"";

INSTANTIATE_TEST_SUITE_P(Cases, HostileNames,
                         testing::Values(HostileNamesCase{"Markup", kMarkup},
                                         HostileNamesCase{"TenThousandCharacters", kMarkup + std::string(10000, 'W')}),
                         [](const testing::TestParamInfo<HostileNamesCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(WorkbenchFault, ControlCharactersAreListedAndTheReportRefusesThemWithAMessage) {
    const std::string text = "a\x01\x07\x1b[31m\tb";
    database->AddAssay(5, File("c.chr"), text, text);
    DlgMain dlg(nullptr, Context(), &messages);
    Add(dlg, {5});
    ASSERT_EQ(dlg.AssaysList().RowCount(), 1);
    EXPECT_EQ(dlg.AssaysList().ItemText(0, 2).toStdString(), text);
    EXPECT_EQ(ReportPage(dlg), "");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0].rfind("Ошибка построения отчёта: ", 0), 0u) << messages.texts[0];
}

// Component keys and names that are markup, in the table file, the chromatogram's peak table, the
// points list and the report.
TEST_F(WorkbenchFault, HostileComponentNamesAreListedAsPlainTextAndEscapedInTheReport) {
    const std::string keys[] = {"<k1>&\"'", "<k2>&amp"};
    std::ofstream(folder / "CompsTableQuorvel.csv", std::ios::binary | std::ios::trunc)
        << "Id;Key;Name;Mass\r\n1;" << keys[0] << ";" << kMarkup << "1;1000.00\r\n2;" << keys[1] << ";" << kMarkup
        << "2;100.00\r\n";
    std::vector<Channel> standards = {LabChannel(1, 8.0, 0.5, std::vector<float>(20, 0.0f))};
    standards[0].table = {LabItem(keys[0], 10.0), LabItem(keys[1], 12.0)};
    ASSERT_TRUE(WriteChromatogram(File("s.chr"), standards));
    database->AddAssay(1, File("s.chr"), "Стандарты", "GPC", true);
    DlgMain dlg(nullptr, Context(), &messages);
    for (const auto& [combo, index] :
         {std::pair{WorkbenchControl::kTypeCombo, 0}, std::pair{WorkbenchControl::kDependenceCombo, 0}}) {
        auto& box = *static_cast<QComboBox*>(dlg.Control(combo));
        box.setCurrentIndex(index);
        Q_EMIT box.activated(index);
    }
    Add(dlg, {1});
    dlg.AssaysList().SetCheck(0, true);
    ASSERT_EQ(dlg.PointsList().RowCount(), 2);
    for (int row = 0; row < 2; ++row) {
        const std::string shown = dlg.PointsList().ItemText(row, 0).toStdString();
        const std::string name = kMarkup + std::to_string(row + 1);
        EXPECT_EQ(shown.substr(shown.find(" / ") + 3), name) << shown;
    }
    const std::string page = ReportPage(dlg);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    for (const char* number : {"1", "2"})
        EXPECT_NE(page.find("&lt;script&gt;alert('x')&lt;/script&gt; &amp; \"q\"" + std::string(number)),
                  std::string::npos)
            << number;
    EXPECT_TRUE(messages.texts.empty()) << messages.texts.front();
}

}  // namespace
