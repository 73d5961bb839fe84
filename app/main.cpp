// Talvane68: configuration software for the 68-key RGB keyboard.

#include <QApplication>

#include "app/CVrelApp.h"

int main(int argc, char** argv) {
    // The profile (and the keyboard behind it) outlives every window and the
    // Qt application object.
    static talvane68::KeyboardProfile profile;
    QApplication qtApp(argc, argv);
    talvane68::CVrelApp app(profile);
    return app.initInstance(QCoreApplication::applicationDirPath());
}
