#include "gui/Application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTranslator>
#include <QWidget>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

#include "gui/MainWindow.h"
#include "platform/qt/QtUi.h"

namespace varo {
namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here: the event loop reads the pipe.
    [[maybe_unused]] const auto written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void setUpApplication(QApplication& app) {
    QApplication::setApplicationName("Varo");
    QApplication::setApplicationDisplayName(QString::fromUtf8(kApplicationTitle));
    QApplication::setOrganizationName("Morvelt");

    auto* translator = new QTranslator(&app);
    if (translator->load("qtbase_de", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);

    // Arial where installed; fontconfig maps it to a metric-compatible face elsewhere.
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    QApplication::setFont(font);
}

void attachUi(QtUi& ui, MainWindow& window) {
    ui.setWindow(&window);
    ui.setPageScaler([&window](double ratio) { window.scalePages(ratio); });
    ui.setBeforeRepaint([&window] { window.flushPendingRefresh(); });
}

void closeOnTerminationSignals(QWidget* window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte = 0;
        [[maybe_unused]] const auto got = ::read(signalPipe[1], &byte, 1);
        window->close();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace varo
