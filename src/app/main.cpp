// Velmora: a referee's toolkit for science-fiction campaigns.

#include "app/platform/data_locations.h"
#include "app/velmora_app.h"

#include <QApplication>
#include <csignal>

int main(int argc, char* argv[]) {
    // A file grown past the size limit must fail its write, which is reported and
    // leaves the previous file whole, rather than end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // Closing the last window ends the program.
    QApplication::setQuitOnLastWindowClosed(true);

    velmora::app::VelmoraApp app(
        velmora::app::DataLocations::fromArguments(QApplication::arguments()));
    app.showMainWindow();
    return QApplication::exec();
}
