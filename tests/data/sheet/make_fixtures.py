# Makes the workbooks "from other programs" that the sheet reader tests open:
# legacy .xls files of the Excel 5/95 (BIFF5) and 97-2003 (BIFF8) kinds, a Mac
# file, encrypted and foreign compound files, and .xlsx packages whose parts
# lie at unusual places. Everything is written byte by byte with the standard
# library, so the files are exactly as described here. The files are committed;
# run this again only when a fixture changes:  python3 make_fixtures.py
import struct
import zipfile

# ---------------------------------------------------------------- compound file

SECTOR = 512
MINI = 64
CUTOFF = 4096
FREE, END, FATSECT, DIFSECT = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD, 0xFFFFFFFC


def compound_file(streams):
    """streams: list of (name, bytes) placed in the root storage, in this
    directory order. Small streams go to the mini stream, as Excel does."""
    sectors = []  # 512-byte blocks after the header
    fat = []

    def chain(data):
        count = max(1, (len(data) + SECTOR - 1) // SECTOR)
        first = len(sectors)
        for i in range(count):
            sectors.append(data[i * SECTOR:(i + 1) * SECTOR].ljust(SECTOR, b"\0"))
            fat.append(first + i + 1 if i + 1 < count else END)
        return first

    mini = b""
    minifat = []
    placed = []
    for name, data in streams:
        if len(data) < CUTOFF:
            first = len(mini) // MINI
            count = max(1, (len(data) + MINI - 1) // MINI)
            mini += data.ljust(count * MINI, b"\0")
            for i in range(count):
                minifat.append(first + i + 1 if i + 1 < count else END)
            placed.append((name, first, len(data)))
        else:
            placed.append((name, chain(data), len(data)))
    mini_start = chain(mini) if mini else END
    minifat_bytes = b"".join(struct.pack("<I", v) for v in minifat)
    minifat_start = chain(minifat_bytes) if minifat else END

    def entry(name, kind, start, size, child=FREE, right=FREE):
        raw = name.encode("utf-16-le")
        return (raw.ljust(64, b"\0") + struct.pack("<HBB", len(raw) + 2, kind, 1)
                + struct.pack("<III", FREE, right, child) + b"\0" * 16 + b"\0" * 4
                + b"\0" * 16 + struct.pack("<IIi", start, size, 0))

    # The root's children hang on one chain of right siblings.
    entries = [entry("Root Entry", 5, mini_start, len(mini), child=1 if placed else FREE)]
    for i, (name, start, size) in enumerate(placed):
        right = i + 2 if i + 1 < len(placed) else FREE
        entries.append(entry(name, 2, start, size, right=right))
    while len(entries) % (SECTOR // 128):
        entries.append(b"\0" * 64 + struct.pack("<HBB", 0, 0, 0) + struct.pack("<III", FREE, FREE, FREE)
                       + b"\0" * 36 + struct.pack("<IIi", 0, 0, 0))
    dir_start = chain(b"".join(entries))

    # FAT sectors cover every sector, themselves included.
    fat_count = 1
    while len(sectors) + fat_count > fat_count * (SECTOR // 4):
        fat_count += 1
    fat_ids = list(range(len(sectors), len(sectors) + fat_count))
    fat += [FATSECT] * fat_count
    fat += [FREE] * (fat_count * (SECTOR // 4) - len(fat))
    fat_bytes = b"".join(struct.pack("<I", v) for v in fat)
    for i in range(fat_count):
        sectors.append(fat_bytes[i * SECTOR:(i + 1) * SECTOR])

    header = (bytes.fromhex("D0CF11E0A1B11AE1") + b"\0" * 16
              + struct.pack("<HHHHH", 0x3E, 3, 0xFFFE, 9, 6) + b"\0" * 6
              + struct.pack("<IIIIIIIII", 0, fat_count, dir_start, 0, CUTOFF, minifat_start,
                            1 if minifat else 0, END, 0))
    header += b"".join(struct.pack("<I", v) for v in (fat_ids + [FREE] * (109 - len(fat_ids))))
    assert len(header) == 512
    return header + b"".join(sectors)


# Streams that Excel writes beside the workbook; they come first in the
# directory so that the workbook is not among its first few entries.
def companions():
    return [("\x05SummaryInformation", b"\xfe\xff" + b"\0" * 46),
            ("\x05DocumentSummaryInformation", b"\xfe\xff" + b"\0" * 46),
            ("\x01CompObj", b"\x01\0\xfe\xff" + b"\0" * 60),
            ("\x01Ole", b"\x01\0\0\x02" + b"\0" * 16)]


# ---------------------------------------------------------------- BIFF records


def rec(kind, payload=b""):
    return struct.pack("<HH", kind, len(payload)) + payload


def rk_int(v):
    return struct.pack("<i", (v << 2) | 2)


def rk_int100(v100):  # the value times 100, stored as an integer
    return struct.pack("<i", (v100 << 2) | 3)


def rk_float(v):  # a double whose low 34 bits are zero
    bits = struct.unpack("<Q", struct.pack("<d", v))[0]
    assert bits & 0x3FFFFFFFF == 0
    return struct.pack("<I", bits >> 32)


def cell(row, col, xf):
    return struct.pack("<HHH", row, col, xf)


def formula(row, col, xf, result8):
    # cached result, flags, chn, and a one-token formula (an integer 1)
    return rec(0x0006, cell(row, col, xf) + result8 + struct.pack("<HI", 0, 0) + struct.pack("<H", 3) + b"\x1e\x01\x00")


def formula_num(row, col, xf, value):
    return formula(row, col, xf, struct.pack("<d", value))


def formula_special(row, col, xf, kind, value=0):
    return formula(row, col, xf, bytes([kind, 0, value, 0, 0, 0, 0xFF, 0xFF]))


def date_serial(y, m, d, base1904=False):
    import datetime
    if base1904:
        return (datetime.date(y, m, d) - datetime.date(1904, 1, 1)).days
    return (datetime.date(y, m, d) - datetime.date(1899, 12, 30)).days


def bof(version, kind):
    if version == 8:
        return rec(0x0809, struct.pack("<HHHHII", 0x0600, kind, 0x0DBB, 0x07CC, 0x000000C1, 0x00000006))
    return rec(0x0809, struct.pack("<HHHH", 0x0500, kind, 0x0DBB, 0x07CC))


EOF = rec(0x000A)


def biff8_str16(text):  # XLUnicodeString: 16-bit count
    try:
        raw = text.encode("latin-1")
        return struct.pack("<HB", len(text), 0) + raw
    except UnicodeEncodeError:
        return struct.pack("<HB", len(text), 1) + text.encode("utf-16-le")


def biff8_str8(text):  # ShortXLUnicodeString: 8-bit count
    try:
        raw = text.encode("latin-1")
        return struct.pack("<BB", len(text), 0) + raw
    except UnicodeEncodeError:
        return struct.pack("<BB", len(text), 1) + text.encode("utf-16-le")


def font(version, name="Arial", bold=False):
    head = struct.pack("<HHHHHBBBB", 200, 0, 0x7FFF, 700 if bold else 400, 0, 0, 0, 0, 0)
    if version == 8:
        return rec(0x0031, head + biff8_str8(name))
    return rec(0x0031, head + bytes([len(name)]) + name.encode("latin-1"))


def xf(version, fmt, font_index=0, style=False):
    kind = 0xFFF5 if style else 0x0001
    if version == 8:
        return rec(0x00E0, struct.pack("<HHH", font_index, fmt, kind) + b"\x20\x00\x00\x00" + b"\0" * 10)
    return rec(0x00E0, struct.pack("<HHH", font_index, fmt, kind) + b"\x20\x00" + b"\0" * 8)


def xfs(version, cell_formats):
    """16 style XFs and then one cell XF per number format id; returns the
    records and the XF index of each format id."""
    out = b"".join(xf(version, 0, style=True) for _ in range(16))
    index = {}
    for i, fmt in enumerate(cell_formats):
        out += xf(version, fmt)
        index[fmt] = 16 + i
    return out, index


def workbook_stream(version, globals_head, sheets):
    """sheets: list of (name_record_builder, visibility, type, substream).
    The BOUNDSHEET offsets are filled in once the globals' size is known."""
    def boundsheets(offsets):
        out = b""
        for (name, vis, kind, _), off in zip(sheets, offsets):
            if version == 8:
                out += rec(0x0085, struct.pack("<IBB", off, vis, kind) + biff8_str8(name))
            else:
                out += rec(0x0085, struct.pack("<IBB", off, vis, kind) + bytes([len(name)]) + name)
        return out
    globals_tail = b""
    size = len(globals_head) + len(boundsheets([0] * len(sheets))) + len(EOF)
    offsets = []
    pos = size
    for s in sheets:
        offsets.append(pos)
        pos += len(s[3])
    return globals_head + boundsheets(offsets) + EOF + b"".join(s[3] for s in sheets) + globals_tail


# ---------------------------------------------------------------- Excel 5/95, GBK

def excel95_gbk():
    gbk = lambda s: s.encode("gbk")
    fmt_money, fmt_cn_date = 164, 165
    xf_records, xi = xfs(5, [0, 14, fmt_money, fmt_cn_date])
    head = (bof(5, 0x0005) + rec(0x0042, struct.pack("<H", 936))
            + b"".join(font(5) for _ in range(5))
            + rec(0x041E, struct.pack("<HB", fmt_money, 8) + b"#,##0.00")
            + rec(0x041E, struct.pack("<HB", fmt_cn_date, len(gbk('yyyy"年"m"月"d"日"'))) + gbk('yyyy"年"m"月"d"日"'))
            + xf_records)

    def label(r, c, text):
        raw = gbk(text)
        return rec(0x0204, cell(r, c, xi[0]) + struct.pack("<H", len(raw)) + raw)

    def string(text):
        raw = gbk(text)
        return rec(0x0207, struct.pack("<H", len(raw)) + raw)

    body = bof(5, 0x0010) + rec(0x0200, struct.pack("<HHHHH", 0, 5, 0, 6, 0))
    body += label(0, 0, "单位人员名单")
    for c, t in enumerate(["姓名", "性别", "年龄", "身高", "出生日期", "金额"]):
        body += label(1, c, t)
    body += label(2, 0, "张三") + label(2, 1, "男")
    body += rec(0x027E, cell(2, 2, xi[0]) + rk_int(35))
    body += rec(0x027E, cell(2, 3, xi[0]) + rk_int100(17250))
    body += rec(0x027E, cell(2, 4, xi[14]) + rk_int(date_serial(1990, 3, 7)))
    body += rec(0x0203, cell(2, 5, xi[fmt_money]) + struct.pack("<d", 1234.5))
    body += label(3, 0, "李四") + label(3, 1, "女")
    body += rec(0x00BD, struct.pack("<HH", 3, 2) + struct.pack("<H", xi[0]) + rk_int(28)
                + struct.pack("<H", xi[0]) + rk_float(160.0) + struct.pack("<H", xi[fmt_cn_date])
                + rk_int(date_serial(1997, 12, 31)) + struct.pack("<H", 4))
    body += formula_num(3, 5, xi[0], 99.5)
    body += label(4, 0, "王五")
    body += formula_special(4, 1, xi[0], 0) + string("未检")
    body += rec(0x0205, cell(4, 2, xi[0]) + b"\x01\x00")
    body += rec(0x0205, cell(4, 3, xi[0]) + b"\x07\x01")
    body += formula_special(4, 4, xi[0], 1, 0)
    body += EOF
    module = bof(5, 0x0006) + EOF
    stream = workbook_stream(5, head, [(gbk("人员名单"), 0, 0, body), (b"Module1", 0, 6, module)])
    return compound_file(companions() + [("Book", stream)])


# ---------------------------------------------------------------- Excel 97-2003

def sst_records(strings, split_in):
    """An SST whose record is cut in the middle of string `split_in`, and
    cut again between the formatting runs of the rich string that follows.
    The strings are (text, runs, ext) with text in 16-bit characters."""
    parts = []
    cur = struct.pack("<II", len(strings) + 3, len(strings))
    for i, (text, runs, ext) in enumerate(strings):
        flags = 1 | (8 if runs else 0) | (4 if ext else 0)
        head = struct.pack("<HB", len(text), flags)
        if runs:
            head += struct.pack("<H", runs)
        if ext:
            head += struct.pack("<I", len(ext))
        chars = text.encode("utf-16-le")
        tail = b"".join(struct.pack("<HH", k, 0) for k in range(runs)) + ext
        if i == split_in:
            # Half the characters here, the rest in a CONTINUE that starts
            # with its own flags byte saying the characters are 8-bit.
            half = len(text) // 2
            cur += head + text[:half].encode("utf-16-le")
            parts.append(cur)
            rest = text[half:]
            cur = b"\x00" + rest.encode("latin-1") + tail
            continue
        if runs and i == split_in + 1:
            cur += head + chars + tail[:4]
            parts.append(cur)
            cur = tail[4:]
            continue
        cur += head + chars + tail
    parts.append(cur)
    return rec(0x00FC, parts[0]) + b"".join(rec(0x003C, p) for p in parts[1:])


def excel2003_sst():
    long_text = "体检" * 20 + "ABCDEFGHIJ" * 12  # 16-bit half, then 8-bit ASCII
    strings = [("体检人员名单", 0, b""), ("姓名", 0, b""), ("年龄", 0, b""), ("登记时间", 0, b""),
               ("备注", 0, b""), ("张三", 0, b""), (long_text, 0, b""), ("李四", 2, b""),
               ("王五", 0, b"\x01\x02\x03\x04"), ("赵六", 0, b"")]
    idx = {s[0]: i for i, s in enumerate(strings)}
    xf_records, xi = xfs(8, [0, 22, 20, 2])
    head = (bof(8, 0x0005) + rec(0x0042, struct.pack("<H", 1200))
            + b"".join(font(8, "宋体") for _ in range(5)) + xf_records)
    sst = sst_records(strings, split_in=idx[long_text])
    # A drawing group of no interest, large enough that the workbook stream
    # lives in ordinary sectors rather than in the mini stream.
    head += rec(0x00EB, b"\x0f\x00" * 2200)

    def lsst(r, c, text):
        return rec(0x00FD, cell(r, c, xi[0]) + struct.pack("<I", idx[text]))

    # The DIMENSION claims the whole legacy sheet; only a few cells hold values.
    body = bof(8, 0x0010) + rec(0x0200, struct.pack("<IIHHH", 0, 65536, 0, 256, 0))
    body += rec(0x007D, struct.pack("<HHHHHH", 0, 0, 12 * 256, xi[0], 0, 0))
    body += rec(0x007D, struct.pack("<HHHHHH", 4, 4, 9 * 256, xi[0], 1, 0))
    body += lsst(0, 0, "体检人员名单")
    for c, t in enumerate(["姓名", "年龄", "登记时间", "备注"]):
        body += lsst(1, c, t)
    body += lsst(2, 0, "张三") + rec(0x027E, cell(2, 1, xi[0]) + rk_int(35))
    body += rec(0x0203, cell(2, 2, xi[22]) + struct.pack("<d", date_serial(2024, 1, 5) + 0.5))
    body += lsst(2, 3, long_text)
    body += lsst(3, 0, "李四") + rec(0x0203, cell(3, 1, xi[2]) + struct.pack("<d", 28.0))
    body += rec(0x0203, cell(3, 2, xi[20]) + struct.pack("<d", 0.75))
    body += rec(0x0204, cell(3, 3, xi[0]) + biff8_str16("复查"))
    body += lsst(4, 0, "王五") + lsst(5, 0, "赵六")
    body += rec(0x00BE, struct.pack("<HHHHHH", 6, 0, xi[0], xi[0], xi[0], 2))  # MULBLANK
    body += rec(0x00E5, struct.pack("<H", 1) + struct.pack("<HHHH", 0, 0, 0, 3))
    body += EOF
    hidden = bof(8, 0x0010) + rec(0x0200, struct.pack("<IIHHH", 0, 1, 0, 1, 0)) + lsst(0, 0, "赵六") + EOF
    chart = bof(8, 0x0020) + EOF
    stream = workbook_stream(8, head + sst, [("说明", 1, 0, hidden), ("图表1", 0, 2, chart),
                                            ("名单", 0, 0, body)])
    return compound_file(companions() + [("Workbook", stream)])


# ---------------------------------------------------------------- Mac Excel

def mac_excel_chinese():
    """BIFF5 from a Chinese Mac: code page 10008 and the 1904 date system."""
    mac = lambda s: s.encode("gb2312")
    xf_records, xi = xfs(5, [0, 14])
    head = (bof(5, 0x0005) + rec(0x0042, struct.pack("<H", 10008)) + rec(0x0022, struct.pack("<H", 1))
            + b"".join(font(5) for _ in range(5)) + xf_records)

    def label(r, c, text):
        raw = mac(text)
        return rec(0x0204, cell(r, c, xi[0]) + struct.pack("<H", len(raw)) + raw)

    body = bof(5, 0x0010) + label(0, 0, "姓名") + label(0, 1, "出生日期")
    body += label(1, 0, "张三") + rec(0x027E, cell(1, 1, xi[14]) + rk_int(date_serial(1990, 3, 7, base1904=True)))
    body += EOF
    stream = workbook_stream(5, head, [(mac("工作表1"), 0, 0, body)])
    return compound_file([("Book", stream)])


def encrypted_xls():
    head = bof(8, 0x0005) + rec(0x002F, struct.pack("<HHH", 1, 1, 1) + b"\x5a" * 48)
    return compound_file([("Workbook", head + b"\x13\x57" * 200)])


def encrypted_xlsx():
    return compound_file([("EncryptionInfo", struct.pack("<HHI", 4, 4, 0x40) + b"\0" * 200),
                          ("EncryptedPackage", struct.pack("<Q", 5000) + bytes(range(256)) * 20)])


def word_document():
    return compound_file(companions() + [("WordDocument", b"\xec\xa5" + b"\0" * 600), ("1Table", b"\0" * 300)])


# ---------------------------------------------------------------- .xlsx packages

NS = 'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
NSR = 'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
PKG_REL = 'xmlns="http://schemas.openxmlformats.org/package/2006/relationships"'
CT = "application/vnd.openxmlformats-officedocument.spreadsheetml."


def rels(items):
    body = "".join(f'<Relationship Id="{i}" Type="{t}" Target="{target}"/>' for i, t, target in items)
    return f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<Relationships {PKG_REL}>{body}</Relationships>'


def content_types(overrides):
    body = "".join(f'<Override PartName="{p}" ContentType="{t}"/>' for p, t in overrides)
    return ('<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>' + body + "</Types>")


STYLES = (f'<?xml version="1.0" encoding="UTF-8"?><styleSheet {NS}>'
          '<numFmts count="1"><numFmt numFmtId="170" formatCode="yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"/></numFmts>'
          '<fonts count="2"><font><sz val="11"/><name val="宋体"/></font><font><b/><sz val="11"/><name val="宋体"/></font></fonts>'
          '<cellXfs count="4"><xf numFmtId="0" fontId="0"/><xf numFmtId="170" fontId="0" applyNumberFormat="1"/>'
          '<xf numFmtId="4" fontId="0" applyNumberFormat="1"/><xf numFmtId="0" fontId="1"><alignment horizontal="center"/></xf>'
          '</cellXfs></styleSheet>')


def write_zip(path, members):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, text in members:
            info = zipfile.ZipInfo(name, date_time=(2024, 1, 1, 0, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, text.encode("utf-8") if isinstance(text, str) else text)


def other_paths_xlsx(path):
    """Parts found only through the relationships: an absolute target for
    the workbook, a backslash target for the worksheet (whose zip member is
    named with backslashes too), a target leading out with "..", a chart
    sheet listed first, inline strings, rich and phonetic runs, escaped
    characters, cells and rows without references."""
    workbook = (f'<?xml version="1.0" encoding="UTF-8"?><workbook {NS} {NSR}><workbookPr/><sheets>'
                '<sheet name="图表" sheetId="2" r:id="rIdChart"/><sheet name="人员" sheetId="1" r:id="rIdData"/>'
                '</sheets><definedNames><definedName name="_xlnm.Print_Area" localSheetId="1">人员!$A$1:$D$4</definedName>'
                '</definedNames></workbook>')
    shared = (f'<?xml version="1.0" encoding="UTF-8"?><sst {NS} count="4" uniqueCount="4">'
              '<si><t>姓名</t></si><si><r><rPr><b/></rPr><t>出生</t></r><r><t xml:space="preserve">日期</t></r>'
              '<rPh sb="0" eb="2"><t>チュウ</t></rPh></si><si><t>金额</t></si>'
              '<si><t xml:space="preserve">一行_x000D_\n二行 a_x005F_x0041_</t></si></sst>')
    sheet = (f'<?xml version="1.0" encoding="UTF-8"?><worksheet {NS} {NSR}><dimension ref="A1:D4"/><sheetData>'
             '<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="C1" t="s"><v>2</v></c>'
             '<c r="D1" t="inlineStr" s="3"><is><t>备注</t></is></c></row>'
             '<row r="2"><c r="A2" t="inlineStr"><is><t>张三</t></is></c><c r="B2" s="1"><v>32939</v></c>'
             '<c r="C2" s="2"><v>1234.5</v></c><c r="D2" t="str"><f>"复"&amp;"查"</f><v>复查</v></c></row>'
             '<row><c t="inlineStr"><is><r><t>李</t></r><r><t>四</t></r></is></c><c s="1"><v>35795</v></c>'
             '<c><v>88</v></c><c t="b"><v>1</v></c></row>'
             '<row r="4"><c r="A4" t="inlineStr"><is><t>O\'Neil &amp; &lt;王&gt;</t></is></c><c r="C4" t="e"><v>#DIV/0!</v></c><c r="D4" t="s"><v>3</v></c></row>'
             '</sheetData></worksheet>')
    chart = f'<?xml version="1.0" encoding="UTF-8"?><chartsheet {NS} {NSR}><sheetViews/></chartsheet>'
    write_zip(path, [
        ("[Content_Types].xml", content_types([("/Book/workbook1.xml", CT + "sheet.main+xml")])),
        ("_rels/.rels", rels([("rId1", REL + "officeDocument", "/Book/workbook1.xml")])),
        ("Book/workbook1.xml", workbook),
        ("Book/_rels/workbook1.xml.rels", rels([
            ("rIdChart", REL + "chartsheet", "../Charts/chart1.xml"),
            ("rIdData", REL + "worksheet", "Sheets\\first.xml"),
            ("rIdS", REL + "sharedStrings", "/Shared/strings.xml"),
            ("rIdSt", REL + "styles", "../Style/styles.xml")])),
        ("Book\\Sheets\\first.xml", sheet),
        ("Charts/chart1.xml", chart),
        ("Shared/strings.xml", shared),
        ("Style/styles.xml", STYLES),
    ])


def content_types_only_xlsx(path):
    """No relationship parts at all: the workbook, its one worksheet and the
    shared strings are named only in [Content_Types].xml."""
    workbook = (f'<?xml version="1.0" encoding="UTF-8"?><workbook {NS} {NSR}><sheets>'
                '<sheet name="名单" sheetId="1" r:id="rId1"/></sheets></workbook>')
    shared = f'<sst {NS}><si><t>姓名</t></si><si><t>张三</t></si></sst>'
    sheet = (f'<worksheet {NS}><sheetData><row r="1"><c r="A1" t="s"><v>0</v></c></row>'
             '<row r="2"><c r="A2" t="s"><v>1</v></c><c r="B2"><v>35</v></c></row></sheetData></worksheet>')
    write_zip(path, [
        ("[Content_Types].xml", content_types([("/data/wb.xml", CT + "sheet.main+xml"),
                                               ("/data/s1.xml", CT + "worksheet+xml"),
                                               ("/data/sst.xml", CT + "sharedStrings+xml")])),
        ("data/wb.xml", workbook), ("data/s1.xml", sheet), ("data/sst.xml", shared)])


def whole_sheet_styled_xlsx(path):
    """The dimension claims the whole sheet, every column carries a style and
    width, and styled empty cells sit out to the last column and row."""
    rows = []
    for r in range(1, 4):
        cells = f'<c r="A{r}" t="inlineStr"><is><t>行{r}</t></is></c><c r="B{r}"><v>{r * 10}</v></c>'
        cells += f'<c r="C{r}" t="inlineStr"><is><t>x</t></is></c>'
        cells += "".join(f'<c r="{col}{r}" s="3"/>' for col in ("D", "AA", "XFD"))
        rows.append(f'<row r="{r}" spans="1:16384" s="3" customFormat="1">{cells}</row>')
    rows.append('<row r="1048576" s="3" customFormat="1"><c r="XFD1048576" s="3"/></row>')
    sheet = (f'<?xml version="1.0" encoding="UTF-8"?><worksheet {NS}><dimension ref="A1:XFD1048576"/>'
             '<cols><col min="1" max="16384" width="10" style="3" customWidth="1"/></cols>'
             '<sheetData>' + "".join(rows) + '</sheetData><mergeCells count="1"><mergeCell ref="A1:B1"/></mergeCells>'
             '</worksheet>')
    workbook = (f'<workbook {NS} {NSR}><sheets><sheet name="Sheet1" sheetId="1" r:id="rId1"/></sheets></workbook>')
    write_zip(path, [
        ("[Content_Types].xml", content_types([("/xl/workbook.xml", CT + "sheet.main+xml")])),
        ("_rels/.rels", rels([("rId1", REL + "officeDocument", "xl/workbook.xml")])),
        ("xl/workbook.xml", workbook),
        ("xl/_rels/workbook.xml.rels", rels([("rId1", REL + "worksheet", "worksheets/sheet1.xml"),
                                             ("rId2", REL + "styles", "styles.xml")])),
        ("xl/worksheets/sheet1.xml", sheet),
        ("xl/styles.xml", STYLES)])


if __name__ == "__main__":
    for name, data in [("excel95_gbk.xls", excel95_gbk()), ("excel2003_sst.xls", excel2003_sst()),
                       ("mac_excel_chinese.xls", mac_excel_chinese()), ("encrypted.xls", encrypted_xls()),
                       ("encrypted.xlsx", encrypted_xlsx()), ("word_document.doc", word_document())]:
        with open(name, "wb") as f:
            f.write(data)
    other_paths_xlsx("other_paths.xlsx")
    content_types_only_xlsx("content_types_only.xlsx")
    whole_sheet_styled_xlsx("whole_sheet_styled.xlsx")
    write_zip("plain.zip", [("readme.txt", "不是工作簿"), ("data/list.csv", "a,b\n")])
