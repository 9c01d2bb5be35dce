// Putting a ZIP archive together in memory, entry by entry, in the order they are added.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct zip;
struct zip_source;

namespace festoon {

class ZipWriter {
  public:
    enum class Compression { Store, Deflate };

    ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;
    ~ZipWriter();

    // Adds an entry; its data is kept until Finish. Every entry carries the same fixed time, so that
    // the same entries always make the same archive. Throws PlatformError.
    void Add(const QString& name, const QByteArray& data, Compression compression);
    // The finished archive; the writer takes no more entries. Throws PlatformError.
    [[nodiscard]] QByteArray Finish();

  private:
    zip_source* target_;
    zip* archive_;
    QList<QByteArray> kept_;
};

} // namespace festoon
