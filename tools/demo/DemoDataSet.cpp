#include "DemoDataSet.h"

#include "DemoRandom.h"
#include "components/ComponentsTable.h"
#include "data/COrbitasFile4.h"
#include "host/AssayDatabase.h"
#include "host/ProfileStore.h"

#include <QFile>

#include <sqlite3.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>

namespace fs = std::filesystem;

namespace {

constexpr double kRunMinutes = 30.0;
constexpr double kStep = 0.005;  // minutes between samples: 12 per second
constexpr double kStandardWidth = 0.05;  // standard deviation of a narrow standard's peak, minutes
constexpr double kNoise = 0.0005;  // detector noise, in units of a standard's peak height
constexpr double kDrift = 0.002;  // baseline rise over the whole run
constexpr double kUvResponse = 0.6;  // ultraviolet signal per unit of refractive-index signal
constexpr int64_t kFirstRun = 1793610000;  // 2026-11-02 09:00 UTC, seconds since 1970
constexpr const char* kMethod = "GPC-THF-1";

std::vector<DemoAssay> Plan() {
    std::vector<DemoAssay> plan(6);
    plan[0] = {1, "Калибровка ПС, смесь A", "PS-1, PS-3, PS-5, PS-7, PS-9", kMethod, true, {0, 2, 4, 6, 8}, {}, {}};
    plan[1] = {2, "Калибровка ПС, смесь B", "PS-2, PS-4, PS-6, PS-8, PS-10", kMethod, true, {1, 3, 5, 7, 9}, {}, {}};
    plan[2] = {3,
               "Полистирол широкий, партия 17",
               "",
               kMethod,
               false,
               {},
               DemoPolymer{"Полистирол широкий, партия 17", kMethod, 120000.0, 1.8},
               {}};
    plan[3] = {4, "ПММА, партия 4", "", kMethod, false, {}, DemoPolymer{"ПММА, партия 4", kMethod, 60000.0, 2.4, kPmma},
               {}};
    plan[4] = {
        5, "Полистирол в ДМФА", "", "GPC-DMF-1", false, {}, DemoPolymer{"Полистирол в ДМФА", "GPC-DMF-1", 30000.0, 1.5},
        {}};
    // Certified by its maker: the broad standard of the Hamielec calibration.
    plan[5] = {6,
               "Полистирол широкий стандарт",
               "",
               kMethod,
               true,
               {},
               DemoPolymer{"Полистирол широкий стандарт", kMethod, 250000.0, 2.1},
               {}};
    return plan;
}

double StandardSignal(double centre, double minutes) {
    const double z = (minutes - centre) / kStandardWidth;
    return std::exp(-0.5 * z * z);
}

// One detector's samples: the clean signal, a baseline rising linearly, and noise.
std::vector<float> Samples(const std::function<double(double)>& clean, double response, DemoRandom& random) {
    const auto count = static_cast<size_t>(kRunMinutes / kStep);
    std::vector<float> samples(count);
    for (size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) * kStep;
        samples[i] = static_cast<float>(response * clean(t) + kDrift * t / kRunMinutes + kNoise * random.Gaussian());
    }
    return samples;
}

TableItem Item(const std::string& name, double time, double front, double back, double height, double area) {
    TableItem item;
    item.name = name;
    item.time = time;
    item.front = front;
    item.back = back;
    item.height = height;
    item.area = area;
    item.concent = name.empty() ? 0.0 : 0.5;
    item.left = static_cast<int32_t>(front / kStep);
    item.right = static_cast<int32_t>(back / kStep);
    return item;
}

// The retention times of a calibration run's standards: the true calibration with a little scatter.
std::vector<double> StandardTimes(const DemoAssay& assay, DemoRandom& random) {
    std::vector<double> times;
    for (int index : assay.standards)
        times.push_back(DemoLab::RetentionTime(std::log10(DemoLab::Standards()[index].molarMass)) +
                        0.002 * random.Gaussian());
    return times;
}

std::vector<TableItem> StandardTable(const DemoAssay& assay, const std::vector<double>& times, double response) {
    std::vector<TableItem> table;
    for (size_t i = 0; i < times.size(); ++i)
        table.push_back(Item(DemoLab::Standards()[assay.standards[i]].key, times[i], times[i] - 4 * kStandardWidth,
                             times[i] + 4 * kStandardWidth, response,
                             response * kStandardWidth * std::sqrt(2 * std::numbers::pi)));
    return table;
}

std::vector<Channel> Channels(const DemoAssay& assay, const std::vector<double>& times, DemoRandom& random) {
    std::function<double(double)> clean;
    std::vector<TableItem> riTable;
    std::vector<TableItem> uvTable;
    if (assay.polymer) {
        const DemoPolymer polymer = *assay.polymer;
        // Scaled so that the apex stands about as high as a standard's peak.
        const double apex =
            DemoLab::PolymerTime(polymer, (std::log(polymer.Mn()) + std::log(polymer.mw)) / 2 / std::numbers::ln10);
        const double scale = 1.0 / DemoLab::PolymerSignal(polymer, apex);
        clean = [polymer, scale](double t) { return scale * DemoLab::PolymerSignal(polymer, t); };
        riTable = {Item("", apex, DemoLab::PolymerFront(polymer), DemoLab::PolymerBack(polymer), 1.0, 0.0)};
        uvTable = {Item("", apex, DemoLab::PolymerFront(polymer), DemoLab::PolymerBack(polymer), kUvResponse, 0.0)};
    } else {
        clean = [times](double t) {
            double sum = 0.0;
            for (double centre : times) sum += StandardSignal(centre, t);
            return sum;
        };
        riTable = StandardTable(assay, times, 1.0);
        uvTable = StandardTable(assay, times, kUvResponse);
    }
    std::vector<Channel> channels(2);
    const double responses[] = {1.0, kUvResponse};
    for (int c = 0; c < 2; ++c) {
        channels[c].number = c + 1;
        channels[c].value1 = 0.0;
        channels[c].value2 = kStep;
        channels[c].samples = Samples(clean, responses[c], random);
        channels[c].table = c == 0 ? riTable : uvTable;
    }
    return channels;
}

class Database {
public:
    explicit Database(const std::string& path) {
        if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) Fail();
        Execute(std::string("BEGIN;") + AssayDatabase::Schema);
    }
    ~Database() { sqlite3_close(db_); }
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void Execute(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
    }
    void Insert(const char* sql, const std::function<void(sqlite3_stmt*)>& bind) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) Fail();
        bind(statement);
        const int rc = sqlite3_step(statement);
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE) Fail();
    }

private:
    [[noreturn]] void Fail() { throw std::runtime_error(db_ ? sqlite3_errmsg(db_) : "cannot open the database"); }
    sqlite3* db_ = nullptr;
};

void Text(sqlite3_stmt* statement, int index, const std::string& text) {
    sqlite3_bind_text(statement, index, text.c_str(), -1, SQLITE_TRANSIENT);
}

void AddAssayRow(Database& db, const DemoAssay& assay) {
    db.Insert("INSERT INTO assay (id, date, filename, sample, mixture, method, iscalibration) VALUES (?,?,?,?,?,?,?);",
              [&assay](sqlite3_stmt* s) {
                  sqlite3_bind_int(s, 1, assay.id);
                  sqlite3_bind_int64(s, 2, kFirstRun + 3600 * static_cast<int64_t>(assay.id));
                  Text(s, 3, assay.fileName);
                  Text(s, 4, assay.sample);
                  Text(s, 5, assay.mixture);
                  Text(s, 6, assay.method);
                  sqlite3_bind_int(s, 7, assay.calibration ? 1 : 0);
              });
}

void AddPeakRow(Database& db, int32_t assayId, const TableItem& item, const std::string& name) {
    db.Insert(
        "INSERT INTO peak (assayid, nameid, name, area, time, concentration, height, channel, front, back)"
        " VALUES (?,?,?,?,?,?,?,1,?,?);",
        [&](sqlite3_stmt* s) {
            sqlite3_bind_int(s, 1, assayId);
            Text(s, 2, name);
            Text(s, 3, name);
            sqlite3_bind_double(s, 4, item.area);
            sqlite3_bind_double(s, 5, item.time);
            sqlite3_bind_double(s, 6, item.concent);
            sqlite3_bind_double(s, 7, item.height);
            sqlite3_bind_double(s, 8, item.front);
            sqlite3_bind_double(s, 9, item.back);
        });
}

std::string WriteComponents(const std::string& folder) {
    ComponentsTable table;
    table.filePath = (fs::path(folder) / kComponentsFileName).string();
    int32_t id = 1;
    for (const DemoStandard& standard : DemoLab::Standards())
        table.components.push_back({id++, standard.key, standard.name, standard.molarMass});
    table.components.push_back({id++, "PMMA-1", "Полиметилметакрилат 10 200", 10200.0});
    table.components.push_back({id++, "PMMA-2", "Полиметилметакрилат 101 000", 101000.0});
    std::ofstream(table.filePath, std::ios::binary);  // an empty file: saving writes the header first
    const Status saved = table.SaveTable();
    return saved.Description();
}

std::string WriteStylesheet(const std::string& folder) {
    QFile source(QStringLiteral(":/demo/gel.xsl"));
    const QString target = QString::fromStdString((fs::path(folder) / "gel.xsl").string());
    QFile::remove(target);
    return source.copy(target) ? std::string() : "cannot write " + target.toStdString();
}

std::string WriteProfile(const DemoDataSet& set) {
    ProfileStore profile;
    std::string message;
    if (!profile.Load(set.profilePath, message)) return message;
    profile.Set("plugins\\quorvel\\/PublicDocuments_Quorvel", set.documentsFolder);
    return profile.Save(message) ? std::string() : message;
}

DemoWriteResult Failed(const std::string& description) { return {false, description, {}}; }

}  // namespace

DemoWriteResult WriteDemoData(const std::string& folder, uint64_t seed) {
    DemoDataSet set;
    const fs::path root = fs::absolute(folder);
    set.databasePath = (root / "host.db").string();
    set.documentsFolder = (root / "documents").string();
    set.profilePath = (root / "profile.txt").string();
    if (fs::exists(set.databasePath)) return Failed(set.databasePath + " already exists; choose an empty folder");
    std::error_code error;
    fs::create_directories(root / "chromatograms", error);
    fs::create_directories(set.documentsFolder, error);
    if (error) return Failed("cannot create folders in " + root.string() + ": " + error.message());

    DemoRandom random(seed);
    try {
        Database db(set.databasePath);
        for (DemoAssay assay : Plan()) {
            assay.fileName = (root / "chromatograms" / ("run" + std::to_string(assay.id) + ".chr")).string();
            COrbitasFile4 file;
            const std::vector<double> times = StandardTimes(assay, random);
            file.channels = Channels(assay, times, random);
            file.passport.sample = assay.sample;
            file.passport.method = assay.method;
            file.passport.graduation = assay.calibration;
            if (file.Write(assay.fileName).code != COrbitasFile4::Ok) return Failed("cannot write " + assay.fileName);
            AddAssayRow(db, assay);
            for (const TableItem& item : file.channels[0].table)
                AddPeakRow(db, assay.id, item, item.name.empty() ? std::string("Полимер") : item.name);
            set.assays.push_back(assay);
        }
        db.Execute("COMMIT;");
    } catch (const std::runtime_error& e) {
        return Failed(std::string("database ") + set.databasePath + ": " + e.what());
    }
    for (const std::string& problem :
         {WriteComponents(set.documentsFolder), WriteStylesheet(set.documentsFolder), WriteProfile(set)})
        if (!problem.empty()) return Failed(problem);
    return {true, {}, set};
}
