#!/usr/bin/python3
# Writes the small seeds of fuzz/corpus/workbook: an .xlsx and an .ods of a few parts each, stored
# rather than deflated so that the fuzzer's mutations land in the XML itself; beside them the
# workbooks LibreOffice wrote for the tests, and one cut in half.
#   /usr/bin/python3 fuzz/make_workbook_seeds.py
import os
import shutil
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "fuzz", "corpus", "workbook")
MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"

XLSX = {
    "[Content_Types].xml": '<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.'
    'openxmlformats.org/package/2006/content-types"><Default Extension="xml" ContentType='
    '"application/xml"/><Override PartName="/xl/workbook.xml" ContentType="application/vnd.'
    'openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/></Types>',
    "_rels/.rels": '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="%s"><Relationship'
    ' Id="rId1" Type="%s/officeDocument" Target="xl/workbook.xml"/></Relationships>' % (PKG, REL),
    "xl/workbook.xml": '<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="%s" xmlns:r="%s">'
    '<sheets><sheet name="名單" sheetId="1" r:id="rId1"/><sheet name="二年三班" sheetId="2" '
    'r:id="rId2"/></sheets></workbook>' % (MAIN, REL),
    "xl/_rels/workbook.xml.rels": '<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns='
    '"%s"><Relationship Id="rId1" Type="%s/worksheet" Target="worksheets/sheet1.xml"/>'
    '<Relationship Id="rId2" Type="%s/worksheet" Target="/xl/worksheets/sheet2.xml"/>'
    '<Relationship Id="rId3" Type="%s/sharedStrings" Target="sharedStrings.xml"/>'
    '</Relationships>' % (PKG, REL, REL, REL),
    "xl/sharedStrings.xml": '<?xml version="1.0" encoding="UTF-8"?><sst xmlns="%s"><si><t>座號</t>'
    '</si><si><t>王小明</t></si><si><r><rPr><b/></rPr><t>周</t></r><r><t>杰倫</t></r></si></sst>'
    % MAIN,
    "xl/worksheets/sheet1.xml": '<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="%s">'
    '<sheetData><row r="1"><c r="A1" t="s"><v>0</v></c></row><row r="2"><c r="A2"><v>1</v></c>'
    '<c r="B2" t="s"><v>1</v></c></row><row r="4"><c r="A4" t="inlineStr"><is><t>2</t></is></c>'
    '<c r="B4" t="s"><v>2</v></c></row><row r="5"><c r="A5"><f>A2+2</f><v>3.0</v></c><c r="B5" '
    't="str"><f>"吳"&amp;"淑芬"</f><v>吳淑芬</v></c></row><row><c><v>4</v></c><c t="inlineStr">'
    '<is><r><t>林</t></r><r><t xml:space="preserve">志強 </t></r></is></c></row>'
    '<row r="7"><c r="A7"><v>5</v></c></row></sheetData></worksheet>' % MAIN,
    "xl/worksheets/sheet2.xml": '<?xml version="1.0" encoding="UTF-8"?><worksheet xmlns="%s">'
    '<sheetData><row r="1"><c r="A1"><v>1</v></c><c r="B1" t="inlineStr"><is><t>Alice</t></is>'
    '</c></row></sheetData></worksheet>' % MAIN,
}

ODS_NS = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:'
          'oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:'
          'opendocument:xmlns:text:1.0" office:version="1.3"')
ODS = {
    "mimetype": "application/vnd.oasis.opendocument.spreadsheet",
    "META-INF/manifest.xml": '<?xml version="1.0" encoding="UTF-8"?><manifest:manifest xmlns:'
    'manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3">'
    '<manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.'
    'opendocument.spreadsheet"/><manifest:file-entry manifest:full-path="content.xml" '
    'manifest:media-type="text/xml"/></manifest:manifest>',
    "content.xml": '<?xml version="1.0" encoding="UTF-8"?><office:document-content %s>'
    '<office:body><office:spreadsheet><table:table table:name="名單"><table:table-row>'
    '<table:table-cell office:value-type="string"><text:p>座號</text:p></table:table-cell>'
    '</table:table-row><table:table-row><table:table-cell office:value-type="float" '
    'office:value="1"><text:p>1</text:p></table:table-cell><table:table-cell office:value-type='
    '"string"><text:p><text:span>周</text:span>杰<text:s text:c="2"/>倫</text:p>'
    '</table:table-cell></table:table-row><table:table-row table:number-rows-repeated="2">'
    '<table:table-cell table:number-columns-repeated="2"/></table:table-row><table:table-row>'
    '<table:table-cell table:formula="of:=1+1" office:value-type="float" office:value="2">'
    '<text:p>2</text:p></table:table-cell><table:covered-table-cell/><table:table-cell '
    'office:value-type="string" office:string-value="吳淑芬"><text:p>吳淑芬</text:p>'
    '</table:table-cell></table:table-row></table:table><table:table table:name="二年三班">'
    '<table:table-row><table:table-cell office:value-type="string"><text:p>3</text:p>'
    '</table:table-cell><table:table-cell><text:p>Carol</text:p></table:table-cell>'
    '</table:table-row></table:table></office:spreadsheet></office:body>'
    '</office:document-content>' % ODS_NS,
}


def write(name, parts):
    with zipfile.ZipFile(os.path.join(OUT, name), "w", zipfile.ZIP_STORED) as archive:
        for part, text in parts.items():
            archive.writestr(zipfile.ZipInfo(part, (2024, 9, 1, 8, 0, 0)), text.encode())


os.makedirs(OUT, exist_ok=True)
write("tiny.xlsx", XLSX)
write("tiny.ods", ODS)
fixtures = os.path.join(ROOT, "tests", "files", "workbooks")
for name in ["class.xlsx", "class.ods", "encrypted.xlsx", "encrypted.ods", "old.xlsx"]:
    shutil.copyfile(os.path.join(fixtures, name), os.path.join(OUT, name))
shutil.copyfile(os.path.join(ROOT, "examples", "workbook", "class.xlsx"),
                os.path.join(OUT, "example-class.xlsx"))
with open(os.path.join(fixtures, "class.xlsx"), "rb") as whole:
    data = whole.read()
with open(os.path.join(OUT, "truncated.xlsx"), "wb") as half:
    half.write(data[: len(data) // 2])
