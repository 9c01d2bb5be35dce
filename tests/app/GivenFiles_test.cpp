// Which handed-over files the program opens, and how their names are read from drops, clipboards and
// the command line.
#include "app/GivenFiles.h"

#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

using namespace festoon;

TEST(GivenFiles, PhotosAreKnownByTheExtensionsTheReaderTakesInAnyCase) {
    for (const char* path : {"/a/b.jpg", "/a/b.JPEG", "/a/b.jpe", "/a/b.Jfif", "b.BMP", "/a.jpg/b.bmp",
                             "/a/b.png", "/a/b.WebP", "/a/b.tif", "/a/b.TIFF", "/a/b.gif"}) {
        EXPECT_EQ(KindOfGivenFile(QString::fromLatin1(path)), GivenFileKind::Photo) << path;
    }
    for (const char* path : {"/a/b.psd", "/a/b.txt", "/a/jpg", "/a/b.jpg/", "/a.jpg/b", "/a/b.jpg.txt", ""}) {
        EXPECT_EQ(KindOfGivenFile(QString::fromLatin1(path)), GivenFileKind::Unsupported) << path;
    }
    EXPECT_TRUE(AnyOpenable({QStringLiteral("/n.txt"), QStringLiteral("/p.jpg")}));
    EXPECT_FALSE(AnyOpenable({QStringLiteral("/n.txt"), QStringLiteral("/p.psd")}));
    EXPECT_FALSE(AnyOpenable({}));
}

TEST(GivenFiles, OnlyLocalFilesAreTakenFromADropInTheirOrder) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/photos/b day.jpg")),
                  QUrl(QStringLiteral("https://x.org/a.jpg")),
                  QUrl::fromLocalFile(QStringLiteral("/photos/a.bmp"))});
    EXPECT_EQ(LocalFiles(data),
              QStringList({QStringLiteral("/photos/b day.jpg"), QStringLiteral("/photos/a.bmp")}));
    QMimeData text;
    text.setText(QStringLiteral("/photos/a.jpg"));
    EXPECT_TRUE(LocalFiles(text).isEmpty());
}

TEST(GivenFiles, CommandLineNamesBecomeAbsolutePaths) {
    const QString work = QStringLiteral("/home/me/work");
    EXPECT_EQ(GivenPath(QStringLiteral("a.jpg"), work), QStringLiteral("/home/me/work/a.jpg"));
    EXPECT_EQ(GivenPath(QStringLiteral("../b.jpg"), work), QStringLiteral("/home/me/b.jpg"));
    EXPECT_EQ(GivenPath(QStringLiteral("/tmp/c.jpg"), work), QStringLiteral("/tmp/c.jpg"));
    EXPECT_EQ(GivenPath(QStringLiteral("file:///tmp/d%20e.jpg"), work), QStringLiteral("/tmp/d e.jpg"));
    // A file whose name only starts like a link stays a file of the working folder.
    EXPECT_EQ(GivenPath(QStringLiteral("file:name.jpg"), work),
              QStringLiteral("/home/me/work/file:name.jpg"));
}

TEST(GivenFiles, TheMessageNamesEachRefusedFile) {
    EXPECT_EQ(UnsupportedFilesMessage({QStringLiteral("/a/notes.txt")}),
              QStringLiteral("Festoon cannot open this file: it is not a JPEG, PNG, WebP, TIFF, GIF or BMP "
                             "picture.\nnotes.txt"));
    EXPECT_EQ(UnsupportedFilesMessage({QStringLiteral("/a/notes.txt"), QStringLiteral("/b/song.mp3")}),
              QStringLiteral(
                  "Festoon cannot open these files: they are not JPEG, PNG, WebP, TIFF, GIF or BMP pictures."
                  "\nnotes.txt\nsong.mp3"));
}
