# Makes staff.xls, the legacy-format staff list read by the sheet tests:
# merged title, an empty row, Chinese text, integers, decimals and dates.
# Run with the system Python and python3-xlwt: /usr/bin/python3 make_staff_xls.py
import datetime
import xlwt

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("人员")
date_style = xlwt.easyxf(num_format_str="yyyy-mm-dd")
datetime_style = xlwt.easyxf(num_format_str="yyyy-mm-dd hh:mm:ss")
sheet.write_merge(0, 0, 0, 4, "单位人员名单")
# row 1 stays empty
for col, caption in enumerate(["姓名", "性别", "年龄", "身高", "出生日期"]):
    sheet.write(2, col, caption)
rows = [
    ("张三", "男", 35, 172.5, datetime.date(1990, 3, 7)),
    ("李四", "女", 28, 160.0, datetime.date(1997, 12, 31)),
    ("O'Neil", "男", 41, 180.25, datetime.datetime(1984, 6, 1, 8, 30, 15)),
]
for r, (name, sex, age, height, born) in enumerate(rows, start=3):
    sheet.write(r, 0, name)
    sheet.write(r, 1, sex)
    sheet.write(r, 2, age)
    sheet.write(r, 3, height)
    sheet.write(r, 4, born, datetime_style if isinstance(born, datetime.datetime) else date_style)
book.save("staff.xls")
