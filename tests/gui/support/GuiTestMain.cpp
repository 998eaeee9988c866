// main() of the GUI test binaries: a headless QApplication on the offscreen platform with a
// 1920 x 1080 screen, created before any test runs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QCoreApplication>
#include <QFile>

#include <cstdlib>

int main(int argc, char** argv) {
    // One file per process: test processes start in parallel and must not read each other's
    // half-written file.
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
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QFile::remove(config);
    return result;
}
