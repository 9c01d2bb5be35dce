// Reading the entries of a ZIP archive, in memory or in a file, with every read bounded: nothing is ever
// written from an entry's name, and no entry yields more bytes than its reader allows, whatever its
// header declares.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>
#include <memory>

struct zip;
struct zip_file;

namespace festoon {

// A sequential device over one entry that fails (read returns -1) past `limit` bytes or on damaged data;
// it must not outlive the reader that opened it.
class ZipEntryDevice : public QIODevice {
  public:
    ZipEntryDevice(zip_file* file, qint64 limit);
    ~ZipEntryDevice() override;
    [[nodiscard]] bool isSequential() const override { return true; }
    // Why reading stopped early, if it did.
    [[nodiscard]] bool LimitExceeded() const { return limitExceeded_; }
    [[nodiscard]] bool Damaged() const { return damaged_; }
    // Throws PlatformError, naming the entry as `name`, when reading stopped early.
    void CheckComplete(const QString& name) const;

  protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    zip_file* file_;
    qint64 limit_;
    qint64 delivered_ = 0;
    bool limitExceeded_ = false;
    bool damaged_ = false;
};

class ZipReader {
  public:
    // An archive whose directory has at most kMaxEntries entries, none named outside the archive's
    // folder (absolute, with "..", or with backslashes). Throws PlatformError whose message says why
    // the data is not such an archive.
    static constexpr int kMaxEntries = 1024;
    [[nodiscard]] static ZipReader FromBytes(const QByteArray& data);
    // `path` must name a regular file: a device or a pipe may never end.
    [[nodiscard]] static ZipReader FromFile(const QString& path);

    ZipReader(ZipReader&& other) noexcept;
    ZipReader& operator=(ZipReader&&) = delete;
    ~ZipReader();

    // A second reader of the same archive, for reading entries on another thread.
    [[nodiscard]] ZipReader Reopen() const;

    [[nodiscard]] QStringList Names() const;
    [[nodiscard]] bool Contains(const QString& name) const;
    // The whole entry; throws PlatformError when it is missing, damaged, or longer than `limit` bytes
    // (as declared or as read).
    [[nodiscard]] QByteArray Read(const QString& name, qint64 limit) const;
    // The entry as a device bounded by `limit`; throws PlatformError when it is missing, declares more than
    // `limit` bytes, or cannot be opened.
    [[nodiscard]] std::unique_ptr<ZipEntryDevice> Open(const QString& name, qint64 limit) const;

  private:
    ZipReader(zip* archive, QByteArray data, QString path);
    [[nodiscard]] static ZipReader OpenArchive(const QByteArray& data, const QString& path);
    [[nodiscard]] qint64 Index(const QString& name) const;
    [[nodiscard]] zip_file* OpenEntry(const QString& name, qint64 limit) const;

    zip* archive_;
    QByteArray data_; // the archive in memory, or null when it is read from path_
    QString path_;
};

} // namespace festoon
