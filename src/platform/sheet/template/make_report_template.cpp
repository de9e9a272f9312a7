// Writes the grid-print template: make_report_template resources/Report/报表.xlsx
#include "platform/sheet/ReportTemplate.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.xlsx\n", argv[0]);
        return 2;
    }
    try {
        tj::sheet::writeXlsx(tj::sheet::makeReportTemplate(), QString::fromLocal8Bit(argv[1]));
    } catch (const tj::sheet::SheetError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
