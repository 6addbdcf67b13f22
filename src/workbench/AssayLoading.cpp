#include "workbench/AssayLoading.h"

#include "base/Utf16.h"
#include "data/COrbitasFile4.h"
#include "data/DataBase.h"
#include "hostlink/HostLink.h"

#include <algorithm>

namespace {

// Identifiers are bound as unsigned 32-bit values widened to 64 bits, as the host stores them.
int64_t WidenedId(int32_t id) { return static_cast<int64_t>(static_cast<uint32_t>(id)); }

std::vector<Peak> ReadPeaks(DataBase::Handle& db, int32_t assayId) {
    std::vector<Peak> peaks;
    DataBase::ForEachRow<std::string, std::string, double, double, double, double, int32_t, double, double>(
        DataBase::Prepare(db,
                          "SELECT nameid, name, area, time, concentration, height, channel, front, back  FROM [peak] "
                          "WHERE assayid = ? ORDER BY time;",
                          {assayId}),
        [&peaks](const std::string& nameId, const std::string& name, double area, double time, double concentration,
                 double height, int32_t channel, double front, double back) {
            if (name.empty()) return;
            peaks.push_back(Peak{.nameId = nameId,
                                 .name = name,
                                 .area = area,
                                 .time = time,
                                 .concentration = concentration,
                                 .height = height,
                                 .channel = channel,
                                 .front = front,
                                 .back = back,
                                 .spareText = {},
                                 .spareNumber = 0});
        });
    std::stable_sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& b) {
        return a.channel != b.channel ? a.channel < b.channel : a.time < b.time;
    });
    return peaks;
}

// The channels of the file and the float64 signals of every block read, also those read before a
// failure; the channels themselves only when the whole file was read. The signals share the
// channels' samples, so that each sample is written to memory once.
void ReadChromatogram(Assay& assay) {
    COrbitasFile4 file;
    const bool complete = file.Read(assay.fileName).code == COrbitasFile4::Ok;
    for (const Channel& channel : file.channels) {
        assay.signals.push_back(channel.samples);
        assay.lastValue1 = channel.value1;
        assay.lastValue2 = channel.value2;
    }
    if (complete) assay.channels = std::move(file.channels);
}

}  // namespace

AssayLoad LoadAssay(DataBase::Handle& db, int32_t id, std::vector<Assay>& assays) {
    AssayLoad result;
    try {
        DataBase::ForEachRow<int32_t, int64_t, std::string, std::string, std::string, std::string, int32_t>(
            DataBase::Prepare(db,
                              "SELECT assay.id, date, filename, sample, mixture, method, iscalibration FROM [assay] "
                              "WHERE assay.id = ?;",
                              {WidenedId(id)}),
            [&](int32_t rowId, int64_t date, const std::string& fileName, const std::string& sample,
                const std::string& mixture, const std::string& method, int32_t isCalibration) {
                const auto known =
                    std::find_if(assays.begin(), assays.end(), [rowId](const Assay& a) { return a.id == rowId; });
                if (known != assays.end()) {
                    result.index = static_cast<int32_t>(known - assays.begin());
                    return;
                }
                Assay assay;
                assay.id = rowId;
                assay.date = date;
                assay.fileName = fileName;
                assay.sample = sample;
                assay.method = method;
                assay.mixture = mixture;
                assay.isCalibration = isCalibration != 0;
                ReadChromatogram(assay);
                assay.peaks = ReadPeaks(db, assay.id);
                assays.push_back(std::move(assay));
                result.index = static_cast<int32_t>(assays.size() - 1);
            });
    } catch (const DataBase::SqlException& e) {
        // The caller sees -1 or the index already set; a locked, cut short or foreign file would
        // otherwise add nothing without a word.
        result.status = Status::Failed(MessageId::DatabaseError, e.what());
    }
    return result;
}

std::vector<std::string> AssayFileNames(DataBase::Handle& db, int32_t id) {
    std::vector<std::string> names;
    DataBase::ForEachRow<std::string>(
        DataBase::Prepare(db, "SELECT filename FROM [assay] WHERE id = ?;", {WidenedId(id)}),
        [&names](const std::string& name) { names.push_back(name); });
    return names;
}

void OpenAssayFiles(const HostLink& host, const ModuleEnvironment& environment, const std::vector<int32_t>& ids) {
    if (!host.Serves(HOST_CMD_OPEN_ASSAY_FILE) || ids.empty()) return;
    DataBase::Handle db(environment.DatabaseLocation());
    for (int32_t id : ids) {
        for (const std::string& name : AssayFileNames(db, id)) {
            const std::u16string text = ToUtf16(name);
            host.Call(HOST_CMD_OPEN_ASSAY_FILE, 0, reinterpret_cast<intptr_t>(text.c_str()));
        }
    }
}
