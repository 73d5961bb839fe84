#include "skin/SkinResources.h"

#include <QFileInfo>
#include <QImageReader>
#include <QResource>

namespace talvane68 {
namespace {

constexpr int kBitmapIds[] = {101, 102, 103, 107, 108, 109, 110, 111, 112, 113, 114,
                              115, 116, 117, 118, 119, 120, 121, 122, 123, 124, 125,
                              126, 127, 128, 129, 130, 131, 132, 138, 139, 140, 141};

}  // namespace

SkinResources::~SkinResources() {
    freeBitmaps();
}

std::span<const int> SkinResources::bitmapIds() {
    return kBitmapIds;
}

QString SkinResources::loadBitmaps(const QString& resourceFile) {
    freeBitmaps();
    if (!QFileInfo::exists(resourceFile)) {
        return QStringLiteral("The skin file %1 is missing.").arg(resourceFile);
    }
    if (!QResource::registerResource(resourceFile)) {
        return QStringLiteral("The skin file %1 cannot be read.").arg(resourceFile);
    }
    m_resourceFile = resourceFile;
    for (int id : kBitmapIds) {
        QImageReader reader(QStringLiteral(":/bitmaps/%1").arg(id));
        QImage picture = reader.read();
        if (picture.isNull()) {
            const QString error =
                QStringLiteral("Picture %1 is missing from the skin file %2.").arg(id).arg(resourceFile);
            freeBitmaps();
            return error;
        }
        // One opaque format everywhere keeps every copy between pictures a plain blit.
        if (picture.format() != QImage::Format_RGB32) {
            picture = std::move(picture).convertToFormat(QImage::Format_RGB32);
        }
        m_bitmaps[id] = std::move(picture);
    }
    return {};
}

void SkinResources::freeBitmaps() {
    m_bitmaps.clear();
    if (!m_resourceFile.isEmpty()) {
        QResource::unregisterResource(m_resourceFile);
        m_resourceFile.clear();
    }
}

void SkinResources::createDrawingResources() {
    m_darkBrush = QBrush(QColor(52, 52, 52));
    for (int i = 0; i < kFontCount; ++i) {
        QFont font;  // the default family; the font mapper picks the face
        if (i > 0) {
            font.setPixelSize(i);
        }
        m_fonts[i] = font;
    }
}

void SkinResources::setBitmap(int id, QImage picture) {
    m_bitmaps[id] = std::move(picture).convertToFormat(QImage::Format_RGB32);
}

const QImage& SkinResources::bitmap(int id) const {
    auto it = m_bitmaps.find(id);
    return it == m_bitmaps.end() ? m_none : it->second;
}

const QFont& SkinResources::font(int index) const {
    return index >= 0 && index < kFontCount ? m_fonts[index] : m_fonts[0];
}

}  // namespace talvane68
