#include "mainwindow/GuiApplication.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QTime>

#include <cstdlib>
#include <iostream>
#include <system_error>

#include "UiServices.h"
#include "app/CommandLine.h"
#include "app/Preferences.h"
#include "app/Startup.h"
#include "catalogue/Catalogue.h"
#include "common/InPlaceWrite.h"
#include "common/TemporaryName.h"
#include "mainwindow/LastSessionRun.h"
#include "mainwindow/MDIFormMain.h"
#include "mainwindow/SessionRecovery.h"

// Resources of a static library are registered by hand, outside any namespace.
static void initTavmirResources() { Q_INIT_RESOURCE(tavmir); }

namespace tavmir::gui {
namespace {

// The same picture as resources/tavmir.svg, drawn when no SVG image plugin is installed.
QIcon paintedIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / 64.0, side / 64.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1d, 0x35, 0x57));
        painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
        QPainterPath arrow;
        arrow.moveTo(14, 44);
        arrow.lineTo(32, 14);
        arrow.lineTo(50, 44);
        arrow.lineTo(32, 36);
        arrow.closeSubpath();
        painter.setPen(QPen(QColor(0xa8, 0xda, 0xdc), 2));
        painter.setBrush(QColor(0xf1, 0xfa, 0xee));
        painter.drawPath(arrow);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xe6, 0x39, 0x46));
        painter.drawEllipse(QPointF(32, 50), 4, 4);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void reportInBox(const std::string& message) { showCritical(nullptr, fromCore(message)); }

}  // namespace

QIcon applicationIcon() {
    static const QIcon icon = [] {
        initTavmirResources();
        QIcon fromSvg(QStringLiteral(":/tavmir/tavmir.svg"));
        if (!fromSvg.pixmap(QSize(32, 32)).isNull()) return fromSvg;
        return paintedIcon();
    }();
    return icon;
}

std::unique_ptr<MDIFormMain> startGui(GuiContext& context,
                                      const std::filesystem::path& programFolder,
                                      const std::vector<std::string>& files) {
    context.programFolder = programFolder;
    context.folders = locateProgramFolders(programFolder, FolderSystem::real());

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->size();
        const std::string advice = resolutionMessage(size.width(), size.height());
        if (!advice.empty()) showInformation(nullptr, fromCore(advice));
    }

    // The display font is optional: without it Qt falls back to another fixed-pitch font.
    const QString font = QFile::decodeName(programFolder.native().c_str()) + QLatin1Char('/') +
                         QLatin1String(kDisplayFontFile);
    if (QFile::exists(font)) QFontDatabase::addApplicationFont(font);

    seedProcessRandom(static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay()));

    // Said once; the preferences and the recent list then last for this run only.
    const std::string& notice = context.folders->notice;
    if (!notice.empty()) showInformation(nullptr, fromCore(notice));
    context.preferences = loadPreferences(context.preferencesFolder(), reportInBox);

    const CatalogueLoad load = Catalogue::load(context.catalogueFolder());
    if (!load.catalogue) {
        showCritical(nullptr, fromCore(load.error));
        return nullptr;
    }
    context.catalogue = load.catalogue;

    auto window = std::make_unique<MDIFormMain>(context);
    window->show();

    // A save in place that a kill or a crash cut short is finished before any file is opened,
    // and said once.
    const std::string cutWrites = cutWritesMessage(completeCutWrites());
    if (!cutWrites.empty()) showInformation(window.get(), fromCore(cutWrites));
    // Then the unsaved work of a program that ended without closing.
    recoverUnsavedChanges(*window, context);

    std::vector<std::string> paths;
    for (const std::string& file : files) {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(file, error);
        paths.push_back(error ? file : absolute.lexically_normal().string());
    }
    window->openFiles(paths);
    // Without files to open, the files of the last session when the user chose so.
    if (files.empty()) reopenLastSession(*window, context);
    return window;
}

int runGui(int argc, char** argv, const std::filesystem::path& programFolder,
           const std::vector<std::string>& files) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt would abort; say what to do instead.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::cerr << programMessage(
                         "no display to show the editor on; use tavmir -v FILE... to "
                         "validate files")
                  << "\n";
        return 2;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavmir"));
    QApplication::setWindowIcon(applicationIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("tavmir"));

    GuiContext context;
    std::unique_ptr<MDIFormMain> window = startGui(context, programFolder, files);
    if (!window) return 1;
    // The program ends when the main window closes, which it does only with no editor and no
    // running batch window left. The end is said outright: Qt's own end after the last window
    // is called off by any window shown meanwhile, and a window that is no main window (a
    // dialog) closing afterwards would never bring it back.
    QObject::connect(window.get(), &MDIFormMain::closed, qApp, [] { QCoreApplication::exit(0); });
    const int status = QApplication::exec();
    window.reset();
    return status;
}

}  // namespace tavmir::gui
