#include "ZipArchive.h"

#include "errors/RuntimeError.h"

#include <zip.h>

namespace {

// libzip reads the file through these calls, so that Qt opens it: on Windows with the sharing
// a file that another program holds open for writing needs.
struct FileSource
{
    QFile *file;
    zip_error_t error;
};

zip_int64_t fail(FileSource &source, int zipError)
{
    zip_error_set(&source.error, zipError, 0);
    return -1;
}

zip_int64_t readFromFile(void *state, void *data, zip_uint64_t length, zip_source_cmd_t command)
{
    FileSource &source = *static_cast<FileSource *>(state);
    QFile &file = *source.file;
    switch (command) {
    case ZIP_SOURCE_OPEN:
        return file.seek(0) ? 0 : fail(source, ZIP_ER_SEEK);
    case ZIP_SOURCE_READ: {
        const qint64 got = file.read(static_cast<char *>(data), qint64(length));
        return got >= 0 ? got : fail(source, ZIP_ER_READ);
    }
    case ZIP_SOURCE_CLOSE:
        return 0;
    case ZIP_SOURCE_STAT: {
        auto *stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &source.error);
        if (!stat)
            return -1;
        zip_stat_init(stat);
        stat->size = zip_uint64_t(file.size());
        stat->valid |= ZIP_STAT_SIZE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source.error, data, length);
    case ZIP_SOURCE_FREE:
        zip_error_fini(&source.error);
        delete &source;
        return 0;
    case ZIP_SOURCE_SEEK: {
        const zip_int64_t offset = zip_source_seek_compute_offset(zip_uint64_t(file.pos()),
                                                                  zip_uint64_t(file.size()), data,
                                                                  length, &source.error);
        if (offset < 0)
            return -1;
        return file.seek(offset) ? 0 : fail(source, ZIP_ER_SEEK);
    }
    case ZIP_SOURCE_TELL:
        return file.pos();
    case ZIP_SOURCE_SUPPORTS:
        return ZIP_SOURCE_SUPPORTS_SEEKABLE;
    default:
        return fail(source, ZIP_ER_OPNOTSUPP);
    }
}

bool isEncryptionError(int zipError)
{
    return zipError == ZIP_ER_NOPASSWD || zipError == ZIP_ER_ENCRNOTSUPP
        || zipError == ZIP_ER_WRONGPASSWD;
}

} // namespace

ZipMember::ZipMember(zip_file *file) : m_file(file)
{
    open(QIODevice::ReadOnly);
}

ZipMember::~ZipMember()
{
    zip_fclose(m_file);
}

qint64 ZipMember::readData(char *data, qint64 maxSize)
{
    if (m_total >= WorkbookLimits::maxPartBytes) {
        // One byte more than the limit tells a part that ends exactly there from a larger one.
        char extra = 0;
        if (zip_fread(m_file, &extra, 1) == 0)
            return 0;
        m_fault = WorkbookFault::TooLarge;
        return -1;
    }
    const zip_int64_t got = zip_fread(m_file, data,
                                      zip_uint64_t(
                                          qMin(maxSize, WorkbookLimits::maxPartBytes - m_total)));
    if (got < 0)
        return -1; // a bad CRC, or data that does not inflate
    m_total += got;
    return got;
}

ZipArchive::ZipArchive(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly))
        throw RuntimeError(Failure::CannotOpen);
    auto *source = new FileSource{&m_file, {}};
    zip_error_init(&source->error);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *zipSource = zip_source_function_create(readFromFile, source, &error);
    if (!zipSource) {
        delete source;
        throw RuntimeError(Failure::CannotOpen);
    }
    m_archive = zip_open_from_source(zipSource, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (!m_archive) {
        zip_source_free(zipSource);
        throw WorkbookFaultFound{faultOfNonZip()};
    }
}

ZipArchive::~ZipArchive()
{
    if (m_archive)
        zip_discard(m_archive);
}

WorkbookFault ZipArchive::faultOfNonZip()
{
    m_file.seek(0);
    const QByteArray head = m_file.read(8);
    // A zip that does not open is a damaged one; Office keeps its encrypted workbooks, and the
    // old binary ones, in a compound file.
    if (head.startsWith("PK\x03\x04"))
        return WorkbookFault::Damaged;
    if (head != compoundFileSignature())
        return WorkbookFault::NotAWorkbook;
    static const QByteArray encryptedPackage
        = QByteArray("E\0n\0c\0r\0y\0p\0t\0e\0d\0P\0a\0c\0k\0a\0g\0e\0", 32);
    // The stream's name sits in the compound file's directory, which may lie anywhere in it.
    constexpr qint64 chunkBytes = 1024 * 1024;
    m_file.seek(0);
    QByteArray chunk;
    for (QByteArray more = m_file.read(chunkBytes); !more.isEmpty();
         more = m_file.read(chunkBytes)) {
        // Keep the end of the last chunk, for a name that straddles two.
        chunk = chunk.right(encryptedPackage.size() - 1) + more;
        if (chunk.contains(encryptedPackage))
            return WorkbookFault::Encrypted;
    }
    return WorkbookFault::NotAWorkbook;
}

bool ZipArchive::contains(const QString &name) const
{
    return zip_name_locate(m_archive, name.toUtf8().constData(), 0) >= 0;
}

std::unique_ptr<ZipMember> ZipArchive::open(const QString &name) const
{
    const zip_int64_t index = zip_name_locate(m_archive, name.toUtf8().constData(), 0);
    if (index < 0)
        return nullptr;
    zip_file *file = zip_fopen_index(m_archive, zip_uint64_t(index), 0);
    if (!file) {
        const int zipError = zip_error_code_zip(zip_get_error(m_archive));
        throw WorkbookFaultFound{isEncryptionError(zipError) ? WorkbookFault::Encrypted
                                                             : WorkbookFault::Damaged};
    }
    return std::make_unique<ZipMember>(file);
}
