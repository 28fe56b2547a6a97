#pragma once

#include "Workbook.h"

#include <QFile>
#include <QIODevice>

#include <memory>

struct zip;
struct zip_file;

// The first bytes of the compound file in which Office keeps its old binary workbooks and its
// encrypted new ones.
inline QByteArrayView compoundFileSignature()
{
    return QByteArrayView("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
}

// Thrown inside the workbook reader; readWorkbook turns it into a WorkbookError with the path.
struct WorkbookFaultFound
{
    WorkbookFault fault;
};

// One member of a zip archive, inflated as it is read. Reading fails once the member turns out
// damaged or inflates past WorkbookLimits::maxPartBytes; fault() then says which.
class ZipMember : public QIODevice
{
public:
    explicit ZipMember(zip_file *file);
    ~ZipMember() override;

    WorkbookFault fault() const { return m_fault; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    zip_file *m_file;
    qint64 m_total = 0;
    WorkbookFault m_fault = WorkbookFault::Damaged;
};

// A zip archive read through QFile, which on Windows shares the file with a writer: a workbook
// that Excel holds open still reads.
class ZipArchive
{
public:
    // Throws RuntimeError(CannotOpen) when the file cannot be opened and WorkbookFaultFound when
    // it is no zip archive.
    explicit ZipArchive(const QString &path);
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    bool contains(const QString &name) const;
    // The member called name, or null when there is none. Throws WorkbookFaultFound for an
    // encrypted or unreadable member.
    std::unique_ptr<ZipMember> open(const QString &name) const;

private:
    WorkbookFault faultOfNonZip();

    QFile m_file;
    zip *m_archive = nullptr;
};
