// ZIP writing through libzip, into a buffer it owns; the finished archive is copied out once.
#include "core/ZipWriter.h"

#include "core/PlatformError.h"

#include <zip.h>

namespace festoon {
namespace {

// 1 January 1980, 00:00, the earliest time a ZIP entry can carry.
constexpr zip_uint16_t kDosDate = (0 << 9) | (1 << 5) | 1;
constexpr zip_uint16_t kDosTime = 0;
// Only small text is deflated; pictures arrive compressed already and are stored.
constexpr zip_uint32_t kDeflateLevel = 6;

[[noreturn]] void ThrowZipError(const char* what, zip_error_t* error) {
    const QString detail = QString::fromUtf8(zip_error_strerror(error));
    throw PlatformError(
        QStringLiteral("the card cannot be put together (%1: %2)").arg(QLatin1String(what), detail));
}

} // namespace

ZipWriter::ZipWriter() {
    zip_error_t error;
    zip_error_init(&error);
    target_ = zip_source_buffer_create(nullptr, 0, 0, &error);
    archive_ = target_ == nullptr ? nullptr : zip_open_from_source(target_, ZIP_TRUNCATE, &error);
    if (archive_ == nullptr) {
        if (target_ != nullptr) {
            zip_source_free(target_);
        }
        ThrowZipError("creating the archive", &error);
    }
    zip_error_fini(&error);
    // The buffer outlives the archive: Finish reads the written bytes from it.
    zip_source_keep(target_);
}

ZipWriter::~ZipWriter() {
    if (archive_ != nullptr) {
        zip_discard(archive_);
    }
    zip_source_free(target_);
}

void ZipWriter::Add(const QString& name, const QByteArray& data, Compression compression) {
    kept_.append(data);
    zip_source_t* source =
        zip_source_buffer(archive_, kept_.last().constData(), static_cast<zip_uint64_t>(data.size()), 0);
    if (source == nullptr) {
        ThrowZipError("adding an entry", zip_get_error(archive_));
    }
    const zip_int64_t index = zip_file_add(archive_, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        ThrowZipError("adding an entry", zip_get_error(archive_));
    }
    const auto at = static_cast<zip_uint64_t>(index);
    const bool stored = compression == Compression::Store;
    if (zip_set_file_compression(archive_, at, stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                 stored ? 0 : kDeflateLevel) != 0 ||
        zip_file_set_dostime(archive_, at, kDosTime, kDosDate, 0) != 0) {
        ThrowZipError("adding an entry", zip_get_error(archive_));
    }
}

QByteArray ZipWriter::Finish() {
    if (zip_close(archive_) != 0) {
        ThrowZipError("writing the archive", zip_get_error(archive_));
    }
    archive_ = nullptr;
    kept_.clear();
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(target_, &stat) != 0 || (stat.valid & ZIP_STAT_SIZE) == 0 ||
        zip_source_open(target_) != 0) {
        ThrowZipError("reading the archive back", zip_source_error(target_));
    }
    QByteArray archive(static_cast<qsizetype>(stat.size), Qt::Uninitialized);
    const zip_int64_t got = zip_source_read(target_, archive.data(), stat.size);
    zip_source_close(target_);
    if (got != static_cast<zip_int64_t>(stat.size)) {
        ThrowZipError("reading the archive back", zip_source_error(target_));
    }
    return archive;
}

} // namespace festoon
