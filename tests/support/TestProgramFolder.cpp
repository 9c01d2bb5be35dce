// Throw-away program folders for widget tests.
#include "tests/support/TestProgramFolder.h"

#include "core/Bitmap.h"
#include "core/BmpCodec.h"
#include "core/JpegCodec.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <cstring>
#include <stdexcept>

QImage SolidPicture(int w, int h, QRgb colour) {
    return festoon::SolidBitmap(w, h, colour);
}

TestProgramFolder::TestProgramFolder(bool withStartFiles) {
    if (!dir_.isValid()) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    festoon::SetExecutableFolder(path());
    if (withStartFiles) {
        writeBmp(QStringLiteral("main/mainx.bmp"), StartSkin());
        writeJpeg(QStringLiteral("main/mainb.jpg"), StartBackdrop());
        writeJpeg(QStringLiteral("main/Defaultmask.jpg"), StartDefaultMask());
    }
}

TestProgramFolder::~TestProgramFolder() {
    festoon::SetExecutableFolder(QString());
}

QString TestProgramFolder::path() const {
    return dir_.path() + QLatin1Char('/');
}

QString TestProgramFolder::file(const QString& relative) const {
    return path() + relative;
}

void TestProgramFolder::writeBytes(const QString& relative, const QByteArray& bytes) const {
    const QString target = file(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        throw std::runtime_error("cannot write test file");
    }
}

void TestProgramFolder::writeArtwork(const QString& relative, const QImage& picture) const {
    QByteArray bytes = festoon::EncodeJpeg(picture, 95);
    std::memset(bytes.data(), 0x5A, 16);
    writeBytes(relative, bytes);
}

void TestProgramFolder::writeJpeg(const QString& relative, const QImage& picture, int quality) const {
    writeBytes(relative, festoon::EncodeJpeg(picture, quality));
}

void TestProgramFolder::writeBmp(const QString& relative, const QImage& picture) const {
    writeBytes(relative, festoon::EncodeBmp(picture));
}

void TestProgramFolder::remove(const QString& relative) const {
    QFile::remove(file(relative));
}

QImage TestProgramFolder::StartSkin() {
    // Key colour outside a rounded panel, like the shipped skin.
    QImage skin = SolidPicture(752, 550, qRgb(255, 0, 255));
    QPainter painter(&skin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 60, 40));
    painter.drawRect(4, 4, 744, 542);
    return skin;
}

QImage TestProgramFolder::StartBackdrop() {
    return SolidPicture(640, 480, qRgb(40, 120, 200));
}

QImage TestProgramFolder::StartDefaultMask() {
    return SolidPicture(200, 150, qRgb(255, 255, 255));
}
