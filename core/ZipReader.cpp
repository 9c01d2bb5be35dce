// ZIP reading through libzip. The archive's own directory is never trusted for sizes: every read counts
// the bytes it delivers.
#include "core/ZipReader.h"

#include "core/PlatformError.h"

#include <QFile>
#include <algorithm>
#include <utility>
#include <zip.h>

namespace festoon {
namespace {

constexpr qint64 kReadChunk = 1 << 16;

// The first bytes of a ZIP file: a local file header, or the end of an empty archive's directory.
bool LooksLikeZip(const QByteArray& head) {
    return head.startsWith(QByteArrayLiteral("PK\x03\x04")) ||
           head.startsWith(QByteArrayLiteral("PK\x05\x06"));
}

QByteArray FileHead(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(4) : QByteArray();
}

[[noreturn]] void ThrowOpenFailure(int code) {
    if (code == ZIP_ER_MEMORY) {
        throw PlatformError(QStringLiteral("there is not enough memory to read it"));
    }
    throw PlatformError(QStringLiteral("the file is incomplete or damaged"));
}

// A name that would lead out of the archive's folder if it were ever used as a path.
bool LeavesFolder(const QString& name) {
    if (name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QLatin1Char('\0')) || (name.size() >= 2 && name[1] == QLatin1Char(':'))) {
        return true;
    }
    const QStringList parts = name.split(QLatin1Char('/'));
    return parts.contains(QStringLiteral(".."));
}

[[noreturn]] void ThrowTooLarge(const QString& name) {
    throw PlatformError(
        QStringLiteral("%1 holds far more data than any picture a card may hold (a ZIP bomb?)").arg(name));
}

} // namespace

ZipEntryDevice::ZipEntryDevice(zip_file* file, qint64 limit) : file_(file), limit_(limit) {
    QIODevice::open(QIODevice::ReadOnly);
}

ZipEntryDevice::~ZipEntryDevice() {
    zip_fclose(file_);
}

qint64 ZipEntryDevice::readData(char* data, qint64 maxSize) {
    if (limitExceeded_ || damaged_) {
        return -1;
    }
    // One byte past the limit is asked for, so that an entry of exactly `limit` bytes still ends cleanly.
    const qint64 allowed = std::min(maxSize, limit_ + 1 - delivered_);
    const zip_int64_t got = zip_fread(file_, data, static_cast<zip_uint64_t>(allowed));
    if (got < 0) {
        damaged_ = true;
        return -1;
    }
    delivered_ += got;
    if (delivered_ > limit_) {
        limitExceeded_ = true;
        return -1;
    }
    return got;
}

void ZipEntryDevice::CheckComplete(const QString& name) const {
    if (limitExceeded_) {
        ThrowTooLarge(name);
    }
    if (damaged_) {
        throw PlatformError(QStringLiteral("%1 is damaged").arg(name));
    }
}

ZipReader::ZipReader(zip* archive, QByteArray data, QString path)
    : archive_(archive), data_(std::move(data)), path_(std::move(path)) {}

ZipReader::ZipReader(ZipReader&& other) noexcept
    : archive_(std::exchange(other.archive_, nullptr)), data_(std::move(other.data_)),
      path_(std::move(other.path_)) {}

ZipReader::~ZipReader() {
    if (archive_ != nullptr) {
        zip_discard(archive_);
    }
}

ZipReader ZipReader::FromBytes(const QByteArray& data) {
    return OpenArchive(data, QString());
}

ZipReader ZipReader::FromFile(const QString& path) {
    return OpenArchive(QByteArray(), path);
}

ZipReader ZipReader::Reopen() const {
    return OpenArchive(data_, path_);
}

ZipReader ZipReader::OpenArchive(const QByteArray& data, const QString& path) {
    const QByteArray head = path.isNull() ? data.left(4) : FileHead(path);
    if (!LooksLikeZip(head)) {
        throw PlatformError(QStringLiteral("it is not an OpenRaster file (not a ZIP archive)"));
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source =
        path.isNull()
            ? zip_source_buffer_create(data.constData(), static_cast<zip_uint64_t>(data.size()), 0, &error)
            : zip_source_file_create(QFile::encodeName(path).constData(), 0, -1, &error);
    zip_t* archive = source == nullptr ? nullptr : zip_open_from_source(source, ZIP_RDONLY, &error);
    if (archive == nullptr) {
        const int code = zip_error_code_zip(&error);
        zip_error_fini(&error);
        if (source != nullptr) {
            zip_source_free(source);
        }
        ThrowOpenFailure(code);
    }
    zip_error_fini(&error);
    ZipReader reader(archive, data, path);
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > kMaxEntries) {
        throw PlatformError(QStringLiteral("it holds %1 files, far more than a card has").arg(count));
    }
    for (const QString& name : reader.Names()) {
        if (LeavesFolder(name)) {
            throw PlatformError(
                QStringLiteral("it holds a file named \"%1\", which points outside the card").arg(name));
        }
    }
    return reader;
}

QStringList ZipReader::Names() const {
    QStringList names;
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), ZIP_FL_ENC_GUESS);
        names.append(name == nullptr ? QString() : QString::fromUtf8(name));
    }
    return names;
}

qint64 ZipReader::Index(const QString& name) const {
    return zip_name_locate(archive_, name.toUtf8().constData(), ZIP_FL_ENC_GUESS);
}

bool ZipReader::Contains(const QString& name) const {
    return Index(name) >= 0;
}

zip_file* ZipReader::OpenEntry(const QString& name, qint64 limit) const {
    if (LeavesFolder(name)) {
        throw PlatformError(QStringLiteral("it refers to \"%1\", which points outside the card").arg(name));
    }
    const qint64 index = Index(name);
    if (index < 0) {
        throw PlatformError(QStringLiteral("%1 is missing").arg(name));
    }
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0) {
        throw PlatformError(QStringLiteral("%1 is damaged").arg(name));
    }
    if ((stat.valid & ZIP_STAT_SIZE) != 0 && stat.size > static_cast<zip_uint64_t>(limit)) {
        ThrowTooLarge(name);
    }
    zip_file_t* file = zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0);
    if (file == nullptr) {
        throw PlatformError(QStringLiteral("%1 is damaged or stored in a way that cannot be read").arg(name));
    }
    return file;
}

QByteArray ZipReader::Read(const QString& name, qint64 limit) const {
    ZipEntryDevice device(OpenEntry(name, limit), limit);
    QByteArray content;
    QByteArray chunk(kReadChunk, Qt::Uninitialized);
    for (;;) {
        const qint64 got = device.read(chunk.data(), chunk.size());
        if (got <= 0) {
            break;
        }
        content.append(chunk.constData(), got);
    }
    device.CheckComplete(name);
    return content;
}

std::unique_ptr<ZipEntryDevice> ZipReader::Open(const QString& name, qint64 limit) const {
    return std::make_unique<ZipEntryDevice>(OpenEntry(name, limit), limit);
}

} // namespace festoon
