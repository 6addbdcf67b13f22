// The small laboratory of the workbench tests: a components table of three polystyrene standards
// (1000, 100 and 10 g/mol), assay 1 a standards run with them at 10, 12 and 14 minutes on its first
// channel, and assay 2 a sample with one database peak from 10 to 12 minutes.
#pragma once

#include "LabData.h"
#include "components/ComponentsTable.h"
#include "components/Cp1251Codec.h"

#include <filesystem>
#include <fstream>

inline void WriteStandardsLab(const std::filesystem::path& folder, LabDatabase& database, int standardsChannels) {
    std::ofstream(folder / kComponentsFileName, std::ios::binary) << Cp1251Codec().FromUtf8(
        "№;Компонент;Имя компонента;Молярная масса\r\n1;PS-1;ПС 1000;1000.00\r\n2;PS-2;ПС 100;100.00\r\n"
        "3;PS-3;ПС 10;10.00\r\n");
    std::vector<Channel> standards;
    for (int number = 1; number <= standardsChannels; ++number)
        standards.push_back(LabChannel(number, 8.0, 0.5, std::vector<float>(20, 0.0f)));
    standards[0].table = {LabItem("PS-1", 10.0), LabItem("PS-2", 12.0), LabItem("PS-3", 14.0)};
    const std::string standardsFile = (folder / "s.chr").string();
    const std::string sampleFile = (folder / "p.chr").string();
    WriteChromatogram(standardsFile, standards);
    database.AddAssay(1, standardsFile, "Стандарты", "GPC", true);
    WriteChromatogram(sampleFile, {LabChannel(1, 10.0, 0.5, {0, 1, 2, 1, 0})});
    database.AddAssay(2, sampleFile, "Проба", "GPC");
    database.AddPeak(2, {"P", 11.0, 1, 10.0, 12.0});
}
