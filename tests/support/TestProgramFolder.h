// A throw-away program folder for widget tests: the start files the main window needs, and helpers to
// lay artwork files and pictures into it. The executable's folder points at it while it lives.
#pragma once

#include <QImage>
#include <QString>
#include <QTemporaryDir>

class TestProgramFolder {
  public:
    // Writes main/mainx.bmp (752 x 550, key colour in the top-left pixel), main/mainb.jpg and
    // main/Defaultmask.jpg unless `withStartFiles` is false.
    explicit TestProgramFolder(bool withStartFiles = true);
    ~TestProgramFolder();

    [[nodiscard]] QString path() const;                        // ends with '/'
    [[nodiscard]] QString file(const QString& relative) const; // path() + relative ('/' separators)

    // An artwork file: the picture as a JPEG (quality 95) with its first 16 bytes overwritten.
    void writeArtwork(const QString& relative, const QImage& picture) const;
    void writeJpeg(const QString& relative, const QImage& picture, int quality = 95) const;
    void writeBmp(const QString& relative, const QImage& picture) const;
    void writeBytes(const QString& relative, const QByteArray& bytes) const;
    void remove(const QString& relative) const;

    // The start pictures as written, for comparisons.
    static QImage StartSkin();
    static QImage StartBackdrop();
    static QImage StartDefaultMask();

  private:
    QTemporaryDir dir_;
};

// A solid 24-bit picture.
[[nodiscard]] QImage SolidPicture(int w, int h, QRgb colour);
