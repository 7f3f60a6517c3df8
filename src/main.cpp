#include <QApplication>
#include <QCoreApplication>

#include "app/TForm1.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "platform/SystemClock.h"
#include "platform/qt/DesktopShell.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/QtUi.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    varo::setUpApplication(app);

    varo::QtUi ui;
    varo::DesktopShell shell;
    varo::SystemClock clock;
    varo::QtSound sound;
    varo::TForm1 form(
        {ui, shell, clock, sound, QCoreApplication::applicationDirPath().toStdString()});

    varo::MainWindow window(form);
    varo::attachUi(ui, window);
    varo::closeOnTerminationSignals(&window);

    window.run([&] { form.FormCreate(window.height()); });
    window.show();
    return QApplication::exec();
}
