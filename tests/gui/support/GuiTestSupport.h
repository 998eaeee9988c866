// Helpers shared by the GUI tests: the real catalogue, whole files as bytes, and the folder for
// the pictures a person looks at.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QWidget>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "catalogue/Catalogue.h"

namespace tavmir::gui::test {

inline std::shared_ptr<const Catalogue> realCatalogue() {
    static const std::shared_ptr<const Catalogue> catalogue =
        Catalogue::load(TAVMIR_BIN_DIR).catalogue;
    return catalogue;
}

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline QString screenshotPath(const QString& name) {
    const QString folder = QStringLiteral(TAVMIR_BUILD_DIR "/screenshots");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}

}  // namespace tavmir::gui::test
