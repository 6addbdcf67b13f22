// cds-demo-data: writes the demo laboratory's data set (host database, chromatograms, components
// table, report stylesheet, host profile) and prints the true averages of its broad samples.
#include "DemoDataSet.h"

#include "base/NumberText.h"

#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || std::string(argv[1]) == "--help") {
        std::cerr << "usage: cds-demo-data DIR [SEED]\n"
                     "Writes DIR/host.db, DIR/chromatograms/, DIR/documents/ and DIR/profile.txt.\n";
        return argc == 2 ? 0 : 2;
    }
    const uint64_t seed = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 2026;
    const DemoWriteResult result = WriteDemoData(argv[1], seed);
    if (!result.ok) {
        std::cerr << "cds-demo-data: " << result.description << "\n";
        return 1;
    }
    std::cout << "database   " << result.set.databasePath << "\n"
              << "documents  " << result.set.documentsFolder << "\n"
              << "profile    " << result.set.profilePath << "\n";
    for (const DemoAssay& assay : result.set.assays) {
        std::cout << "assay " << assay.id << "  " << assay.sample << "  (" << assay.method << ")";
        if (assay.polymer)
            std::cout << "  true Mn " << FormatFixed(assay.polymer->Mn(), 0) << "  true Mw "
                      << FormatFixed(assay.polymer->mw, 0);
        std::cout << "\n";
    }
    return 0;
}
