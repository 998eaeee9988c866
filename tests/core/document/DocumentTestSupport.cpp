#include "core/document/DocumentTestSupport.h"

#include "support/MasterFileBuilder.h"

namespace tavmir::documenttest {

std::shared_ptr<const Catalogue> testCatalogue() {
    static const std::shared_ptr<const Catalogue> catalogue = [] {
        test::MasterFileBuilder builder;
        auto& r = builder.records;
        auto at = [&](int n) -> test::RawRecord& { return r[static_cast<std::size_t>(n - 1)]; };
        at(kRanged).high = 4;
        at(kRanged).description = "Damage level";
        at(kBare).description.clear();
        at(kText).valueType = 'A';
        at(kText).maxLength = 5;
        at(kText).defaultValue = "Hello!";
        at(kWarbirdRow1).low = 100;
        at(kWarbirdRow1).high = 5000;
        at(kWarbirdRow1).description = "Energy";
        at(kUndescribedShip).description.clear();
        for (int k = 0; k < kSettingCount; ++k)
            builder.tabOrder[static_cast<std::size_t>(k)] = kSettingCount - k;
        return Catalogue::parse(builder.pack(), "mset.dat").catalogue;
    }();
    return catalogue;
}

FakeFile completeFile() {
    FakeFile file;
    for (int n = 1; n <= kSettingCount; ++n) file.values[n] = "1";
    return file;
}

SettingsReader fakeReader(FakeFile file) {
    return [file](SettingsFileData& record) {
        record.log->append(kLogDateLine, 2, kBlack, false);
        record.log->append("Validating ", 0, kBlack, false);
        record.log->append(record.fileName, 1, kBlack, true);
        record.log->append("File type: " + file.fileType, 1, kBlack, false);
        for (const auto& [n, value] : file.values) {
            record.values[static_cast<std::size_t>(n)] = value;
            record.found[static_cast<std::size_t>(n)] = true;
        }
        record.foundCount = static_cast<std::int32_t>(file.values.size());
        record.errorCount = file.errors;
        record.warningCount = file.warnings;
        record.fileType = file.fileType;
        record.status = file.status;
        record.log->append("Errors: " + std::to_string(file.errors), 1, kBlack, false);
        record.log->append("Warnings: " + std::to_string(file.warnings), 2, kBlack, false);
    };
}

}  // namespace tavmir::documenttest
