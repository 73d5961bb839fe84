#pragma once

// The drawing resources every skinned window shares: the skin's pictures by
// bitmap id, the dark brush of the edit boxes and the fifty fonts (font i has
// a pixel size of i; font 0 is the default size).

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QString>
#include <array>
#include <map>
#include <span>

namespace talvane68 {

class SkinResources {
public:
    static constexpr int kFontCount = 50;

    SkinResources() = default;
    ~SkinResources();
    SkinResources(const SkinResources&) = delete;
    SkinResources& operator=(const SkinResources&) = delete;

    // Every bitmap id the program loads, in ascending order.
    static std::span<const int> bitmapIds();

    // Registers the resource file and decodes every bitmap of bitmapIds().
    // An empty text on success; otherwise what went wrong (a missing file or
    // the first missing or unreadable picture), with nothing left loaded.
    QString loadBitmaps(const QString& resourceFile);
    // Unloads the pictures and the resource file.
    void freeBitmaps();

    // The brush and the font table.
    void createDrawingResources();

    // Tests and the skin generator can supply pictures directly.
    void setBitmap(int id, QImage picture);

    // A null image when the id was not loaded.
    const QImage& bitmap(int id) const;
    // Font i for 0 <= i < 50; any other index gives font 0.
    const QFont& font(int index) const;
    const QBrush& darkBrush() const { return m_darkBrush; }

private:
    QString m_resourceFile;  // registered resource file, empty when none
    std::map<int, QImage> m_bitmaps;
    QImage m_none;
    QBrush m_darkBrush;
    std::array<QFont, kFontCount> m_fonts;
};

}  // namespace talvane68
