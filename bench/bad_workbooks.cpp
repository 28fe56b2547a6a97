// Writes the workbooks too big to use that scripts/bench.sh starts the program on, into FOLDER:
//   blanks-bomb.xlsx  the sheet's part inflates to over 200 MB, nearly all blanks between rows
//   name-bomb.xlsx    the same blanks inside one name
//   rows-40000.xlsx   40,000 numbered rows, more than a sheet may give
// Each deflates to well under a megabyte, as a file sent to a teacher could.
//
//   bench_bad_workbooks FOLDER
#include <zip.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t blankBytes = 200'000'000;

const std::string xmlDeclaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";
const std::string openXml = "http://schemas.openxmlformats.org/";
const std::string spreadsheet = openXml + "officeDocument/2006/relationships";
const std::string package = openXml + "package/2006/";
const std::string mainType = "application/vnd.openxmlformats-officedocument.spreadsheetml.";

std::string relationships(const std::string &type, const std::string &target)
{
    return xmlDeclaration + R"(<Relationships xmlns=")" + package + R"(relationships">)"
        + R"(<Relationship Id="rId1" Type=")" + spreadsheet + "/" + type + R"(" Target=")" + target
        + R"("/></Relationships>)";
}

// The parts around the sheet, the fewest that a spreadsheet program opens.
std::vector<std::pair<std::string, std::string>> partsAroundTheSheet()
{
    return {
        {"[Content_Types].xml",
         xmlDeclaration + R"(<Types xmlns=")" + package + R"(content-types">)"
             + R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-)"
             + R"(package.relationships+xml"/><Default Extension="xml" ContentType=")"
             + R"(application/xml"/><Override PartName="/xl/workbook.xml" ContentType=")" + mainType
             + R"(sheet.main+xml"/><Override PartName="/xl/worksheets/sheet1.xml")"
             + R"( ContentType=")" + mainType + R"(worksheet+xml"/></Types>)"},
        {"_rels/.rels", relationships("officeDocument", "xl/workbook.xml")},
        {"xl/workbook.xml",
         xmlDeclaration + R"(<workbook xmlns=")" + openXml + R"(spreadsheetml/2006/main")"
             + R"( xmlns:r=")" + spreadsheet + R"("><sheets><sheet name="名單" sheetId="1")"
             + R"( r:id="rId1"/></sheets></workbook>)"},
        {"xl/_rels/workbook.xml.rels", relationships("worksheet", "worksheets/sheet1.xml")},
    };
}

std::string sheetStart()
{
    return xmlDeclaration + R"(<worksheet xmlns=")" + openXml + R"(spreadsheetml/2006/main">)"
        + "<sheetData>";
}

const std::string sheetEnd = "</sheetData></worksheet>";

std::string row(int number, const std::string &name)
{
    const std::string n = std::to_string(number);
    return R"(<row r=")" + n + R"("><c r="A)" + n + R"("><v>)" + n + R"(</v></c><c r="B)" + n
        + R"(" t="inlineStr"><is><t xml:space="preserve">)" + name + "</t></is></c></row>";
}

// Writes a workbook of one sheet whose part is the given XML; false with a message on failure.
bool writeWorkbook(const std::string &path, const std::string &sheet)
{
    int error = 0;
    zip_t *archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        std::fprintf(stderr, "bench_bad_workbooks: cannot create %s (libzip error %d)\n",
                     path.c_str(), error);
        return false;
    }
    // libzip reads the buffers at zip_close, so they live until then.
    auto parts = partsAroundTheSheet();
    bool added = true;
    const auto add = [&](const std::string &name, const std::string &text) {
        zip_source_t *source = zip_source_buffer(archive, text.data(), text.size(), 0);
        if (added
            && (!source || zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0)) {
            zip_source_free(source);
            added = false;
        }
    };
    for (const auto &[name, text] : parts)
        add(name, text);
    add("xl/worksheets/sheet1.xml", sheet);
    if (!added || zip_close(archive) < 0) {
        std::fprintf(stderr, "bench_bad_workbooks: cannot write %s: %s\n", path.c_str(),
                     zip_strerror(archive));
        zip_discard(archive);
        return false;
    }
    return true;
}

// A sheet of one student with the blanks put in before `marker`, in place: each copy of the part
// would be another 200 MB.
bool writeBomb(const std::string &path, const std::string &marker)
{
    std::string sheet = sheetStart() + row(1, "王小明") + sheetEnd;
    sheet.insert(sheet.find(marker), blankBytes, ' ');
    return writeWorkbook(path, sheet);
}

bool writeRows(const std::string &path, int count)
{
    std::string sheet = sheetStart();
    for (int n = 1; n <= count; ++n)
        sheet += row(n, "學生" + std::to_string(n));
    sheet += sheetEnd;
    return writeWorkbook(path, sheet);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_bad_workbooks FOLDER\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    if (!writeBomb(folder + "blanks-bomb.xlsx", sheetEnd)
        || !writeBomb(folder + "name-bomb.xlsx", "</t>")
        || !writeRows(folder + "rows-40000.xlsx", 40000))
        return 1;
    return 0;
}
