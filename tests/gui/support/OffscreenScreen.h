// Selects Qt's offscreen platform with one 1920 x 1080 screen at 96 dpi, for the headless GUI
// tests and benchmarks (the plain offscreen platform reports an 800 x 800 screen). Call before
// the QApplication is made; an explicit QT_QPA_PLATFORM is kept when `keepExplicit` is set.
#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>

namespace tavmir::gui::test {

// Returns the screen file written (one per process: processes start in parallel and must not
// read each other's half-written file), or an empty string when nothing was changed.
inline QString useOffscreenScreen(bool keepExplicit = false) {
    if (keepExplicit && std::getenv("QT_QPA_PLATFORM") != nullptr) return {};
    const QString config = QDir::temp().filePath(
        QStringLiteral("tavmir-offscreen-screen-%1.json").arg(QCoreApplication::applicationPid()));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(R"({"screens":[{"name":"A","x":0,"y":0,"width":1920,"height":1080,)"
                   R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
        file.close();
    }
    const QByteArray platform = "offscreen:configfile=" + config.toLocal8Bit();
    ::setenv("QT_QPA_PLATFORM", platform.constData(), 1);
    return config;
}

}  // namespace tavmir::gui::test
