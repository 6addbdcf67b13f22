// The module's benchmarks at lab scale and ten times beyond, on data sets generated here, and the
// six figures printed as ratios of two measurements of this same run (absolute times on a shared
// machine are noise). Memory is resident bytes against the bytes of the float32 samples.
#include "BenchData.h"
#include "LinkedHost.h"
#include "RatioReporter.h"
#include "SliceFloor.h"
#include "base/MessageSink.h"
#include "components/ComponentsTable.h"
#include "data/COrbitasFile4.h"
#include "data/DataBaseHandle.h"
#include "gpc/CCalibration.h"
#include "grid/CGridCtrl.h"
#include "workbench/AssayLoading.h"
#include "workbench/CalibrationPoints.h"
#include "workbench/DlgMain.h"
#include "workbench/RecalculationPass.h"

#include <QApplication>
#include <QByteArray>
#include <QHash>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr BenchShape kLabScale{"lab", 20, 10, 2, 36000};
constexpr BenchShape kLarge{"large", 100, 50, 4, 360000};
constexpr BenchShape kBatch{"batch", 256, 0, 2, 36000};  // the host's largest choice, lab-scale files
constexpr BenchShape kBigFile{"file", 1, 0, 4, 100 * 1024 * 1024 / 16};  // 100 MiB of samples

// One plain read of the whole file into memory; the bytes read.
size_t PlainRead(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw std::runtime_error("cannot open " + path);
    struct stat status {};
    ::fstat(fd, &status);
    const auto size = static_cast<size_t>(status.st_size);
    const std::unique_ptr<char[]> bytes(new char[size]);
    size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, bytes.get() + done, size - done);
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    ::close(fd);
    benchmark::DoNotOptimize(bytes.get());
    return done;
}

// The assays of a set loaded as the workbench loads them, every other one included from the first.
WorkbenchState LoadedState(const BenchSet& set) {
    WorkbenchState state;
    state.GradIndex = CCalibration::kMonodisperse;
    state.FormulaIndex = 2;
    DataBase::Handle db(set.databasePath);
    for (int32_t id : set.ids)
        if (LoadAssay(db, id, state.Assays).index < 0)
            throw std::runtime_error("cannot load assay " + std::to_string(id));
    for (int32_t i = 0; i < set.shape.included; ++i) state.Assays[2 * i].included = 1;
    state.PointFlags = RebuildPointFlags(state.Assays, state.ChannelIndex);
    return state;
}

// The recalculation pass and its slice loop over one loaded set.
class PassBench {
public:
    PassBench(WorkbenchState loaded, const ModuleEnvironment& environment)
        : environment(environment), state(std::move(loaded)) {
        // The window shows the distribution of one assay at a time: that of the last included one.
        for (size_t i = 0; i < state.Assays.size(); ++i)
            if (state.Assays[i].included != 0) calibration.DistributionAssays = {static_cast<int32_t>(i)};
        RunPass();
        if (!messages.texts.empty()) throw std::runtime_error("the pass complained: " + messages.texts.front());
        if (!(state.results.Mn > 0.0)) throw std::runtime_error("the pass gave no averages");
    }
    void RunPass() {
        const PassResult result = ::Recalculate(environment, state, components, calibration, messages);
        benchmark::DoNotOptimize(result.rows.data());
    }
    // The calculation alone on the inputs the last pass handed over: for each included assay the fit,
    // the averages' slice loop and the curve, of which the slice loop is nearly all.
    void RunSliceLoop() {
        calibration.Run();
        benchmark::DoNotOptimize(calibration.results.Mn);
    }

    const ModuleEnvironment& environment;
    WorkbenchState state;
    RecordingMessageSink messages;
    ComponentsTable components;
    CCalibration calibration;
};

// Peak resident bytes of the process since the last reset (VmHWM), or 0 when unknown.
uint64_t PeakResidentBytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
    return 0;
}

// Starts a new peak from the bytes resident now, after returning what the heap no longer uses.
void ResetPeakResident() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct MemoryFigure {
    uint64_t peakBytes = 0;
    uint64_t sampleBytes = 0;

    // Peak bytes per sample byte; empty when either is unknown.
    std::optional<double> Ratio() const {
        if (peakBytes == 0 || sampleBytes == 0) return std::nullopt;
        return static_cast<double>(peakBytes) / static_cast<double>(sampleBytes);
    }
};

// A benchmark that runs work once per iteration, repeated so that the figures can take medians.
template <typename Work>
void Register(const std::string& name, int repetitions, Work work) {
    benchmark::RegisterBenchmark(name.c_str(),
                                 [work](benchmark::State& state) {
                                     for (auto _ : state) work(state);
                                 })
        ->Repetitions(repetitions)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

// The workbench window at lab scale: the set added through the host's chooser, all but the last of
// the included assays checked; one operation is checking that last one.
class WorkbenchBench {
public:
    WorkbenchBench(const BenchSet& set, LinkedHost& host, const ResourceLibrary& texts)
        : dialog(Prepared(set, host), {host.link, host.profile, host.environment, texts}, &messages) {
        dialog.AddAssays();
        for (int32_t i = 0; i + 1 < set.shape.included; ++i) dialog.AssaysList().SetCheck(2 * i, true);
        lastRow = 2 * (set.shape.included - 1);
        dialog.show();
        Include(true);
        if (!messages.texts.empty()) throw std::runtime_error("the workbench complained: " + messages.texts.front());
        if (!(dialog.State().results.Mn > 0.0)) throw std::runtime_error("the workbench gave no averages");
    }
    void Include(bool included) {
        dialog.AssaysList().SetCheck(lastRow, included);
        QApplication::processEvents();
    }

    RecordingMessageSink messages;
    DlgMain dialog;
    int lastRow = 0;

private:
    // The host's database and the stored choices (monodisperse, cubic) that the dialog restores; no parent.
    static QWidget* Prepared(const BenchSet& set, LinkedHost& host) {
        host.connectionUri = set.databasePath;
        host.environment.AskDatabaseLocation();
        host.chosenAssays = set.ids;
        host.ints["plugins\\quorvel\\/ComboGrad_CurSel"] = CCalibration::kMonodisperse;
        host.ints["plugins\\quorvel\\/ComboFormula_CurSel"] = 2;
        return nullptr;
    }
};

void PrintFigure(const char* title, std::optional<double> ratio, const char* target) {
    if (ratio)
        std::printf("%-62s %6.3f  %s\n", title, *ratio, target);
    else
        std::printf("%-62s %6s  %s\n", title, "-", target);
}

void PrintFigures(const RatioReporter& times, const MemoryFigure& memory) {
    std::printf("\nFigures of this run (ratios of two measurements of the same run)\n");
    PrintFigure("1. Read of a 100 MiB file / one plain read", times.Ratio("file/Read", "file/PlainRead"),
                "target <= 1.25");
    PrintFigure("2. pass / slice loop alone, lab scale (10 of 20 assays)", times.Ratio("lab/Pass", "lab/SliceLoop"),
                "target <= 1.5");
    PrintFigure("2. pass / slice loop alone, large (50 of 100 assays)", times.Ratio("large/Pass", "large/SliceLoop"),
                "target <= 1.5");
    PrintFigure("3. LoadAssay of 256 assays / Read of their files", times.Ratio("batch/LoadAssay", "batch/Read"),
                "target <= 1.3");
    PrintFigure("4. peak resident bytes, large set loaded / its float32 bytes", memory.Ratio(), "target <= 1.2");
    PrintFigure("5. workbench including one assay / the pass alone, lab scale",
                times.Ratio("lab/WorkbenchInclude", "lab/Pass"), "reported only");
    PrintFigure("6. slice loop / its floor, lab scale (10 of 20 assays)", times.Ratio("lab/SliceLoop", "lab/Floor"),
                "target <= 2.0");
    PrintFigure("6. slice loop / its floor, large (50 of 100 assays)", times.Ratio("large/SliceLoop", "large/Floor"),
                "target <= 2.0");
    std::printf("   (peak resident %.1f MiB, float32 samples %.1f MiB)\n", memory.peakBytes / 1048576.0,
                memory.sampleBytes / 1048576.0);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QUORVEL_NO_OPEN", "1");
    QApplication app(argc, argv);
    // The application's string hash has run, as in every host (its constructor looks up plug-ins and
    // logging categories with it): Qt 6.4's vector path leaves the upper halves of the AVX registers
    // in use, and the calculation is measured in the state users run it in.
    benchmark::DoNotOptimize(qHash(QByteArray(256, 'q'), 1));
    benchmark::Initialize(&argc, argv);

    const fs::path folder = fs::temp_directory_path() / ("quorvel-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    LinkedHost host;
    const ResourceLibrary texts;
    host.strings["plugins\\quorvel\\/PublicDocuments_Quorvel"] = folder.string();
    WriteBenchComponents(folder.string());

    std::printf("Generating the data sets in %s ...\n", folder.c_str());
    std::fflush(stdout);
    const std::string bigFile = WriteBenchFile((folder / "big.chr").string(), kBigFile, 1);
    const BenchSet lab = WriteBenchSet((folder / "lab").string(), kLabScale, 2);
    const BenchSet batch = WriteBenchSet((folder / "batch").string(), kBatch, 3);
    const BenchSet large = WriteBenchSet((folder / "large").string(), kLarge, 4);

    // Memory first, before the other benchmarks leave anything on the heap: the large set loaded and
    // one pass run over it.
    MemoryFigure memory{0, large.sampleBytes};
    ResetPeakResident();
    auto largePass = std::make_shared<PassBench>(LoadedState(large), host.environment);
    memory.peakBytes = PeakResidentBytes();
    auto labPass = std::make_shared<PassBench>(LoadedState(lab), host.environment);
    auto labFloor = std::make_shared<SliceFloor>(labPass->calibration);
    auto largeFloor = std::make_shared<SliceFloor>(largePass->calibration);

    Register("file/PlainRead", 9, [bigFile](benchmark::State&) { PlainRead(bigFile); });
    // Like the plain read, which gets fresh pages from the kernel each time, every Read starts from a
    // heap that has given its free memory back: reusing the last Read's pages would save it the
    // kernel's page faults, which on this machine cost most of a plain read.
    Register("file/Read", 9, [bigFile](benchmark::State& state) {
        {
            COrbitasFile4 file;
            if (file.Read(bigFile).code != COrbitasFile4::Ok) throw std::runtime_error("cannot read " + bigFile);
        }
        state.PauseTiming();
        malloc_trim(0);
        state.ResumeTiming();
    });
    Register("lab/SliceLoop", 9, [labPass](benchmark::State&) { labPass->RunSliceLoop(); });
    Register("lab/Pass", 9, [labPass](benchmark::State&) { labPass->RunPass(); });
    Register("lab/Floor", 9, [labFloor](benchmark::State&) { benchmark::DoNotOptimize(labFloor->Run()); });
    Register("large/SliceLoop", 3, [largePass](benchmark::State&) { largePass->RunSliceLoop(); });
    Register("large/Pass", 3, [largePass](benchmark::State&) { largePass->RunPass(); });
    Register("large/Floor", 3, [largeFloor](benchmark::State&) { benchmark::DoNotOptimize(largeFloor->Run()); });
    // Both keep what they read until the batch is done, as the workbench keeps its assays, and both
    // start from a heap that has given its free memory back, as a first load does: otherwise whichever
    // happens to reuse the previous batch's pages looks faster than it is.
    Register("batch/Read", 9, [&batch](benchmark::State& state) {
        std::vector<COrbitasFile4> files(batch.files.size());
        for (size_t i = 0; i < files.size(); ++i) files[i].Read(batch.files[i]);
        state.PauseTiming();
        files.clear();
        malloc_trim(0);
        state.ResumeTiming();
    });
    Register("batch/LoadAssay", 9, [&batch](benchmark::State& state) {
        std::vector<Assay> assays;
        {
            DataBase::Handle db(batch.databasePath);
            for (int32_t id : batch.ids) LoadAssay(db, id, assays);
        }
        state.PauseTiming();
        if (assays.size() != batch.ids.size()) throw std::runtime_error("the batch did not load whole");
        assays.clear();
        malloc_trim(0);
        state.ResumeTiming();
    });
    // Last and never interleaved: painting the window clears the vector state for a while, so that
    // the benchmarks before it see the state the application's hash left, as a user's first pass does.
    std::unique_ptr<WorkbenchBench> workbench;
    Register("lab/WorkbenchInclude", 9, [&](benchmark::State& state) {
        state.PauseTiming();
        if (!workbench) workbench = std::make_unique<WorkbenchBench>(lab, host, texts);
        workbench->Include(false);
        state.ResumeTiming();
        workbench->Include(true);
    });

    RatioReporter reporter(::isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_ColorTabular
                                                   : benchmark::ConsoleReporter::OO_Tabular);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintFigures(reporter, memory);

    workbench.reset();
    fs::remove_all(folder);
    return 0;
}
