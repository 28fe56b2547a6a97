#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <zip.h>

#include <cstdio>
#include <cstdlib>

// Zip members by name, in the order they are stored.
using ZipMembers = QList<QPair<QString, QByteArray>>;

// A zip archive of members, as spreadsheet programs store them.
inline QByteArray zipOf(const ZipMembers &members)
{
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
    zip_t *archive = buffer ? zip_open_from_source(buffer, ZIP_TRUNCATE, &error) : nullptr;
    if (!archive) {
        std::fprintf(stderr, "cannot start a zip: %s\n", zip_error_strerror(&error));
        std::abort();
    }
    zip_source_keep(buffer);
    for (const auto &[name, bytes] : members) {
        // libzip copies nothing: the bytes live in members until the archive is closed.
        zip_source_t *data = zip_source_buffer(archive, bytes.constData(),
                                               zip_uint64_t(bytes.size()), 0);
        if (!data || zip_file_add(archive, name.toUtf8().constData(), data, ZIP_FL_ENC_UTF_8) < 0)
            std::abort();
    }
    if (zip_close(archive) < 0)
        std::abort();
    QByteArray bytes;
    zip_stat_t stat;
    if (zip_source_stat(buffer, &stat) < 0 || zip_source_open(buffer) < 0)
        std::abort();
    bytes.resize(qsizetype(stat.size));
    if (zip_source_read(buffer, bytes.data(), stat.size) != zip_int64_t(stat.size))
        std::abort();
    zip_source_close(buffer);
    zip_source_free(buffer);
    return bytes;
}

// An .xlsx of one sheet, called Sheet1 unless named, whose sheetData is rows; shared strings
// only when given.
inline ZipMembers xlsxMembers(const QByteArray &rows, const QByteArray &sharedStrings = {},
                              const QByteArray &sheetName = "Sheet1")
{
    const QByteArray relationships
        = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    ZipMembers members{
        {QStringLiteral("[Content_Types].xml"), "<Types/>"},
        {QStringLiteral("_rels/.rels"),
         "<Relationships><Relationship Id=\"rId1\" Type=\"" + relationships
             + "/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>"},
        {QStringLiteral("xl/workbook.xml"),
         "<workbook xmlns:r=\"" + relationships + "\"><sheets><sheet name=\"" + sheetName
             + "\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {QStringLiteral("xl/_rels/workbook.xml.rels"),
         "<Relationships><Relationship Id=\"rId1\" Type=\"" + relationships
             + "/worksheet\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\""
             + relationships
             + "/sharedStrings\" Target=\"/xl/sharedStrings.xml\"/></Relationships>"},
        {QStringLiteral("xl/worksheets/sheet1.xml"),
         "<worksheet><sheetData>" + rows + "</sheetData></worksheet>"},
    };
    if (!sharedStrings.isEmpty())
        members.append({QStringLiteral("xl/sharedStrings.xml"), "<sst>" + sharedStrings + "</sst>"});
    return members;
}

// An .ods whose content.xml holds these tables.
inline ZipMembers odsMembers(const QByteArray &tables, const QByteArray &manifest = "<manifest/>")
{
    return {
        {QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.spreadsheet"},
        {QStringLiteral("META-INF/manifest.xml"), manifest},
        {QStringLiteral("content.xml"),
         "<office:document-content "
         "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
         "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
         "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
         "<office:spreadsheet>"
             + tables + "</office:spreadsheet></office:body></office:document-content>"},
    };
}
