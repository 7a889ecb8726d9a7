// Velmora: a referee's toolkit for science-fiction campaigns.

#include "app/platform/data_locations.h"
#include "app/platform/single_instance.h"
#include "app/velmora_app.h"

#include <QApplication>
#include <QMessageBox>
#include <csignal>
#include <iostream>

int main(int argc, char* argv[]) {
    // A file grown past the size limit must fail its write, which is reported and
    // leaves the previous file whole, rather than end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    // The installed launcher entry, so the desktop shows the window under its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("app.velmora.Velmora"));
    // Closing the last window ends the program.
    QApplication::setQuitOnLastWindowClosed(true);

    auto locations = velmora::app::DataLocations::fromArguments(QApplication::arguments());
    // One window per data folder: a second launch brings the first one forward.
    // The lock it takes here is held until the application has written its last.
    velmora::app::SingleInstance instance(locations.documentsFolder());
    switch (instance.start(velmora::app::DataFolderLock::writerWait)) {
    case velmora::app::SingleInstance::Start::first:
        break;
    case velmora::app::SingleInstance::Start::handedOver:
        return 0;
    case velmora::app::SingleInstance::Start::folderBusy: {
        const QString message = instance.lock().busyMessage();
        std::cerr << "velmora: " << message.toStdString() << '\n';
        QMessageBox::warning(nullptr, QStringLiteral("Velmora"), message);
        return 1;
    }
    }

    velmora::app::VelmoraApp app(std::move(locations));
    QObject::connect(&instance, &velmora::app::SingleInstance::comeForwardRequested, &app,
                     &velmora::app::VelmoraApp::bringMainWindowForward);
    app.showMainWindow();
    return QApplication::exec();
}
