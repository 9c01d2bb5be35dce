// Where the generator writes: the program folder (main/, pic/) and the folder of pictures compiled
// into the program as resources.
#pragma once

#include <QImage>
#include <QString>

class ArtworkOutput {
  public:
    ArtworkOutput(QString programFolder, QString resourceFolder);

    // An artwork file (".ssl"): a JPEG whose first 16 bytes are overwritten, so it is no plain JPEG.
    // `relative` uses '/' ("pic/mask/1/big/3.ssl").
    void WriteArtwork(const QString& relative, const QImage& picture, int quality = 92) const;
    // Plain files of the program folder ("main/mainb.jpg", "main/mainx.bmp").
    void WriteJpeg(const QString& relative, const QImage& picture, int quality = 92) const;
    void WriteBmp(const QString& relative, const QImage& picture) const;
    // A picture compiled into the program ("buttons/New_rest.bmp", "icon/festoon.png").
    void WriteResource(const QString& relative, const QImage& picture) const;

  private:
    void Write(const QString& path, const QByteArray& data) const;

    QString programFolder_;
    QString resourceFolder_;
};

// The 16 bytes the generator writes over the start of every artwork file.
inline constexpr char kArtworkStamp[17] = "FESTOON-ARTWORK1";
