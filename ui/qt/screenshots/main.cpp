// zel_screenshots FOLDER: pictures of every dialog and window of the program, as the Qt host
// shows them, saved as PNG files in FOLDER (offscreen unless QT_QPA_PLATFORM names another
// platform), so the interface can be reviewed at a glance.

#include "LQtHost.h"
#include "LScreenshots.h"
#include "LUIHost.h"

#include <QApplication>

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const std::string folder = argc > 1 ? argv[1] : "screenshots";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "screenshots: cannot make %s: %s\n", folder.c_str(),
                     error.message().c_str());
        return 1;
    }
    LQtHost host;
    LUIHostScope scope(host);
    LScreenshots studio(host, folder);
    LScreenshotScenes(studio);
    for (const std::string& path : studio.Saved()) {
        std::printf("%s\n", path.c_str());
    }
    return studio.Failures() == 0 ? 0 : 1;
}
