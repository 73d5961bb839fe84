// The program's own start-up, except that the process ends as soon as the
// main window has been painted once. Exit code 0 means it got there.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdlib>

#include "app/CVrelApp.h"

namespace {

class FirstPaintFilter : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            // Runs once the paint in progress has finished.
            QTimer::singleShot(0, [] { std::_Exit(0); });
        }
        return false;
    }
};

class FirstPaintApp : public talvane68::CVrelApp {
public:
    using CVrelApp::CVrelApp;

protected:
    int runMainWindow(QDialog& window) override {
        FirstPaintFilter filter;
        window.installEventFilter(&filter);
        return window.exec();
    }
};

}  // namespace

int main(int argc, char** argv) {
    static talvane68::KeyboardProfile profile;
    QApplication qtApp(argc, argv);
    FirstPaintApp app(profile);
    app.initInstance(QCoreApplication::applicationDirPath());
    return 1;  // the main window closed without being painted
}
