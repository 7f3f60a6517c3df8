#pragma once

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/TForm1.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "platform/qt/QtUi.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

namespace varo::test {

// The program's window wired as at start, with a fixed clock and a recording shell.
class GuiFixture : public ::testing::Test {
  protected:
    GuiFixture() : clock(46366.0) {
        // Every modal dialog is answered at once, so no test waits for a person.
        dialogCloser_.setInterval(5);
        QObject::connect(&dialogCloser_, &QTimer::timeout, [this] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                dialogTexts.push_back(dialog->property("text").toString());
                dialog->close();
            }
        });
        dialogCloser_.start();
    }

    void start() {
        form = std::make_unique<TForm1>(FormServices{ui, shell, clock, sound, folder.path()});
        window = std::make_unique<MainWindow>(*form);
        attachUi(ui, *window);
        window->run([this] { form->FormCreate(window->height()); });
        window->show();
        QApplication::processEvents();
    }

    template <typename T>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    QStringList dialogTexts;  // what the dialogs said, in order
    TempDir folder;
    QtUi ui;
    FakeShell shell;
    FixedClock clock;
    FakeSound sound;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<MainWindow> window;

  private:
    QTimer dialogCloser_;
};

}  // namespace varo::test
