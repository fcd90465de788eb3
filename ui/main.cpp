#include "ui/korvala_window.hpp"
#include "ui/toolkit_texts.hpp"
#include "ui/window_placement.hpp"

#include <QApplication>
#include <cstdio>
#include <cstring>

#if defined(KORVALA_WARM_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#include <thread>
#endif

namespace {

constexpr const char* kUsage = "Usage: korvala [--help | --version]\n"
                               "\n"
                               "Opens the Korvala window, a calculator for a right circular "
                               "cylinder.\n"
                               "For scripts, see korvala-calc(1).\n";

} // namespace

int main(int argc, char** argv) {
    // Only these two are answered without a window; everything else goes to the toolkit.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
                      std::strcmp(argv[1], "--version") == 0)) {
        const bool help = std::strcmp(argv[1], "--version") != 0;
        const int written =
            help ? std::fputs(kUsage, stdout) : std::fputs("korvala " KORVALA_VERSION "\n", stdout);
        return written >= 0 && std::fflush(stdout) == 0 ? 0 : 1;
    }
#if defined(KORVALA_WARM_FONTCONFIG)
    // Loading fontconfig's configuration is the larger part of the first use of a font; it
    // runs on another core while the application connects to the display.
    std::thread fontWarmup([] { FcInit(); });
    QApplication application(argc, argv);
    fontWarmup.join();
#else
    QApplication application(argc, argv);
#endif
    QApplication::setApplicationName(QStringLiteral("Korvala"));
    QApplication::setApplicationVersion(QStringLiteral(KORVALA_VERSION));
    // Matches the window to its launcher and its icon on the desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral(KORVALA_DESKTOP_ID));
    // Without the translation the toolkit's few texts stay English, which the window survives.
    (void)korvala::ui::installBulgarianToolkitTexts(application);

    korvala::ui::KorvalaWindow window(korvala::ui::WindowServices::system());
    korvala::ui::centreOnScreen(window);
    window.show();
    return QApplication::exec();
}
