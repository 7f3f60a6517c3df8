#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/Application.h"

int main(int argc, char* argv[]) {
    // No display in CI: Qt would abort without one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    varo::setUpApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
