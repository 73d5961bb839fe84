#include "skin/SkinResources.h"

#include <QFileInfo>
#include <QImageReader>
#include <QResource>
#include <thread>
#include <vector>

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
    // Decoding is most of start-up: two threads share the pictures.
    constexpr std::size_t kCount = std::size(kBitmapIds);
    std::vector<QImage> decoded(kCount);
    const auto decode = [&decoded](std::size_t first) {
        for (std::size_t i = first; i < kCount; i += 2) {
            QImage picture = QImageReader(QStringLiteral(":/bitmaps/%1").arg(kBitmapIds[i])).read();
            // One opaque format everywhere keeps every copy between pictures a plain blit.
            if (!picture.isNull() && picture.format() != QImage::Format_RGB32) {
                picture = std::move(picture).convertToFormat(QImage::Format_RGB32);
            }
            decoded[i] = std::move(picture);
        }
    };
    std::thread helper(decode, 1);
    decode(0);
    helper.join();
    for (std::size_t i = 0; i < kCount; ++i) {
        if (decoded[i].isNull()) {
            const QString error = QStringLiteral("Picture %1 is missing from the skin file %2.")
                                      .arg(kBitmapIds[i])
                                      .arg(resourceFile);
            freeBitmaps();
            return error;
        }
        m_bitmaps[kBitmapIds[i]] = std::move(decoded[i]);
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
