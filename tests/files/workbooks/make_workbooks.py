#!/usr/bin/python3
# Writes the workbook fixtures beside this file with LibreOffice Calc, so that they come from a
# real spreadsheet program rather than from the reader's own idea of the format:
#   /usr/bin/python3 tests/files/workbooks/make_workbooks.py
# Needs libreoffice-calc-nogui and python3-uno; the tests only read the committed results.
import os
import subprocess
import tempfile
import time

import uno
from com.sun.star.awt.FontWeight import BOLD
from com.sun.star.beans import NamedValue, PropertyValue
from com.sun.star.connection import NoConnectException

HERE = os.path.dirname(os.path.abspath(__file__))
PASSWORD = "tombolix"


def props(**values):
    return tuple(PropertyValue(Name=k, Value=v) for k, v in values.items())


def connect(profile):
    pipe = "tombolix_fixtures_%d" % os.getpid()
    office = subprocess.Popen(["soffice", "--headless", "--invisible", "--norestore",
                               "-env:UserInstallation=" + uno.systemPathToFileUrl(profile),
                               "--accept=pipe,name=%s;urp;" % pipe])
    resolver = uno.getComponentContext().ServiceManager.createInstance(
        "com.sun.star.bridge.UnoUrlResolver")
    for _ in range(120):
        try:
            context = resolver.resolve(
                "uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            return office, context.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", context)
        except NoConnectException:
            time.sleep(0.5)
    raise SystemExit("LibreOffice did not answer")


def fill(doc):
    sheets = doc.Sheets
    names = sheets.getByIndex(0)
    names.Name = "名單"
    sheets.insertNewByName("二年三班", 1)
    while sheets.Count > 2:
        sheets.removeByName(sheets.ElementNames[2])
    cell = names.getCellByPosition
    cell(0, 0).String, cell(1, 0).String = "座號", "姓名"
    for row, name in enumerate(["王小明", "李大華", "陳美玲", "林志強", "張雅婷"], start=1):
        cell(0, row).Value, cell(1, row).String = row, name
    # Row 7 stays empty. A number typed as text, then two formulas kept by their results.
    cell(0, 7).String, cell(1, 7).String = "6", "黃建國"
    cell(0, 8).Formula, cell(1, 8).Formula = "=VALUE(A8)+1", '="吳"&"淑芬"'
    cell(0, 9).Value = 8
    # Two runs: the surname bold, the given name plain.
    rich = cell(1, 9)
    rich.String = "周杰倫"
    run = rich.Text.createTextCursor()
    run.gotoStart(False)
    run.goRight(1, True)
    # Calc weighs a Chinese character by its Asian font, which is what the xlsx runs follow.
    run.CharWeight = run.CharWeightAsian = BOLD
    second = sheets.getByName("二年三班").getCellByPosition
    for row, name in enumerate(["Alice", "Bob", "Carol"]):
        second(0, row).Value, second(1, row).String = row + 1, name
    doc.calculateAll()


def store(doc, name, filter_name, **extra):
    doc.storeToURL(uno.systemPathToFileUrl(os.path.join(HERE, name)),
                   props(FilterName=filter_name, Overwrite=True, **extra))


with tempfile.TemporaryDirectory() as profile:
    office, desktop = connect(profile)
    try:
        doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0,
                                           props(Hidden=True))
        fill(doc)
        store(doc, "class.xlsx", "Calc MS Excel 2007 XML")
        store(doc, "class.ods", "calc8")
        # The OOXML filter ignores Password; it encrypts from EncryptionData as the save
        # dialog fills it (an OLE compound file around the zip, as Excel writes it).
        store(doc, "encrypted.xlsx", "Calc MS Excel 2007 XML", EncryptionData=uno.Any(
            "[]com.sun.star.beans.NamedValue",
            (NamedValue("OOXPassword", PASSWORD), NamedValue("CryptoType", "Standard"))))
        store(doc, "encrypted.ods", "calc8", Password=PASSWORD)
        # A binary Excel 97 workbook under the name a teacher might give it.
        store(doc, "old.xlsx", "MS Excel 97")
        doc.close(True)
    finally:
        try:
            desktop.terminate()
        except Exception:
            pass
        office.wait(timeout=60)
