#include "queries/TFPrint_DwHbmdCxun.h"

#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Progress.h"
#include "queries/DiseaseRoster.h"
#include "queries/QueryChart.h"
#include "queries/QueryColumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QSplitter>
#include <QTabWidget>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tj::queries {

using core::TDM;
using db::SqlText;

namespace {
constexpr int TopDiagnoses = 10;
}

TFPrint_DwHbmdCxun::TFPrint_DwHbmdCxun(QWidget* parent)
    : QueryWindow(QStringLiteral("按单位患病名单查询"), parent), QryMx(TDM::instance().Connection()),
      QryKshi_(TDM::instance().Connection())
{
    ChkDwei = addCheckFilter(QStringLiteral("单位："), unitList(), true);
    addDateRange();
    emptyResultFocus = CmbDwei;
    closeOnClose({&QryMx});
    resize(1200, 760);

    // Left: 全选 over the tree of departments and their diagnoses.
    auto* split = new QSplitter(Qt::Horizontal, this);
    auto* left = new QWidget(split);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    ChkQxuanTree = new QCheckBox(QStringLiteral("全选"), left);
    TreeJbing = new QTreeWidget(left);
    TreeJbing->setHeaderHidden(true);
    TreeJbing->setMinimumWidth(190);
    TreeJbing->setContextMenuPolicy(Qt::CustomContextMenu);
    leftLayout->addWidget(ChkQxuanTree);
    leftLayout->addWidget(TreeJbing, 1);
    split->addWidget(left);
    connect(ChkQxuanTree, &QCheckBox::toggled, this, [this](bool on) {
        const Qt::CheckState s = on ? Qt::Checked : Qt::Unchecked;
        for (int i = 0; i < TreeJbing->topLevelItemCount(); ++i) {
            QTreeWidgetItem* top = TreeJbing->topLevelItem(i);
            top->setCheckState(0, s);
            for (int k = 0; k < top->childCount(); ++k)
                top->child(k)->setCheckState(0, s);
        }
    });
    // Ticking a department ticks its diagnoses.
    connect(TreeJbing, &QTreeWidget::itemChanged, this, [](QTreeWidgetItem* item, int) {
        if (item->parent() || item->childCount() == 0)
            return;
        for (int k = 0; k < item->childCount(); ++k)
            item->child(k)->setCheckState(0, item->checkState(0));
    });
    // A right click selects the node under the mouse.
    connect(TreeJbing, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (QTreeWidgetItem* item = TreeJbing->itemAt(at))
            TreeJbing->setCurrentItem(item);
    });

    // Right: 汇总情况 (list and chart) and 明细情况.
    PageControl = new QTabWidget(split);
    auto* summary = new QSplitter(Qt::Horizontal);
    body()->removeWidget(Grid);
    summary->addWidget(Grid);
    Chart = new QueryChart(QString(), QueryChart::Kind::Bars, summary);
    Chart->setList(Grid, [this] { return PrintTitle(); }, [this] { return PrintSubtitle(); });
    summary->addWidget(Chart);
    summary->setStretchFactor(0, 3);
    summary->setStretchFactor(1, 2);
    PageControl->addTab(summary, QStringLiteral("汇总情况"));
    GridMx = new ui::DataGrid;
    GridMx->setQuery(&QryMx);
    PageControl->addTab(GridMx, QStringLiteral("明细情况"));
    split->addWidget(PageControl);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 4);
    body()->addWidget(split, 1);

    AddColumns(*Grid, {{"dwmcheng", "单位名称", 160},
                       {"jbmcheng", "疾病名称", 160},
                       {"rci", "患病人次", 70, ColumnSpec::Whole}});
    ui::GridColumn rate;
    rate.field = QStringLiteral("bfbi");
    rate.caption = QStringLiteral("患病率(%)");
    rate.width = 80;
    rate.format = QStringLiteral("%.2f%");
    rate.alignment = Qt::AlignRight | Qt::AlignVCenter;
    Grid->addColumn(rate);
    const int names = Grid->addColumn(QStringLiteral("rymdan"), QStringLiteral("人员名单"), 200);
    Grid->setColumnVisible(names, false);
    Grid->addSummary({2, ui::GridSummary::Kind::Sum, QStringLiteral("0")});
    AddColumns(*GridMx, {{"id", "编号", 60, ColumnSpec::Whole},
                         {"dwmcheng", "单位名称", 180},
                         {"jbmcheng", "疾病名称", 160},
                         {"xming", "姓名", 90},
                         {"xbie", "性别", 50}});
    GridMx->setColumnVisible(2, false);
    GridMx->addSummary({0, ui::GridSummary::Kind::Count, QStringLiteral("0")});

    connect(Grid, &ui::DataGrid::rowDoubleClicked, this, [this](int) {
        const int col = Grid->currentColumn();
        clickedField = col >= 0 ? Grid->column(col).field : QString();
        PageControl->setCurrentIndex(1);
    });
    connect(PageControl, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1)
            ShowDetails();
    });
    connect(Grid, &ui::DataGrid::currentRowChanged, this, [this](int) { fillChart(); });
}

TFPrint_DwHbmdCxun::~TFPrint_DwHbmdCxun() = default;

void TFPrint_DwHbmdCxun::FormShow()
{
    BuildTree();
    CreateRosterTables(TDM::instance().Connection());
    clickedField = QStringLiteral("dwmcheng");
    PageControl->setCurrentIndex(0);
    Chart->setPoints({});
}

void TFPrint_DwHbmdCxun::BuildTree()
{
    const QSignalBlocker block(TreeJbing);
    TreeJbing->clear();
    ChkQxuanTree->setChecked(false);
    db::Connection& c = TDM::instance().Connection();
    const db::ResultSet departments = c.query(QStringLiteral("select * from pub_kshi where kslbie in (11,12,13) "));
    for (std::size_t i = 0; i < departments.rows.size(); ++i) {
        auto* top = new QTreeWidgetItem(TreeJbing, {departments.value(i, QStringLiteral("mcheng")).toString()});
        top->setFlags(top->flags() | Qt::ItemIsUserCheckable);
        top->setCheckState(0, Qt::Unchecked);
        const db::ResultSet diagnoses = c.query(SqlText::format("select * from tjian_zdjlyjyi where ksid=%d ",
                                                                departments.value(i, QStringLiteral("id")).toInteger()));
        for (std::size_t k = 0; k < diagnoses.rows.size(); ++k) {
            auto* child = new QTreeWidgetItem(top, {diagnoses.value(k, QStringLiteral("zyzduan")).toString()});
            child->setFlags(child->flags() | Qt::ItemIsUserCheckable);
            child->setCheckState(0, Qt::Unchecked);
        }
    }
    if (TreeJbing->topLevelItemCount() > 0)
        TreeJbing->topLevelItem(0)->setExpanded(true);
}

QStringList TFPrint_DwHbmdCxun::tickedDiagnoses() const
{
    QStringList out;
    for (int i = 0; i < TreeJbing->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = TreeJbing->topLevelItem(i);
        for (int k = 0; k < top->childCount(); ++k)
            if (top->child(k)->checkState(0) == Qt::Checked)
                out << top->child(k)->text(0);
    }
    return out;
}

bool TFPrint_DwHbmdCxun::Search()
{
    if (ChkDwei->isChecked() && !requireUnit())
        return false;
    std::vector<RosterUnit> units;
    if (ChkDwei->isChecked()) {
        units.push_back({unitId(), CmbDwei->currentText()});
    } else {
        for (int i = 0; i < CmbDwei->count(); ++i)
            units.push_back({CmbDwei->itemData(i).toInt(), CmbDwei->itemText(i)});
    }
    const QStringList diagnoses = tickedDiagnoses();
    if (diagnoses.isEmpty()) {
        ui::Dialogs::instance().warning(QStringLiteral("没有选择要统计的疾病，请在左侧列表中选择！"));
        return false;
    }
    Qry.close();
    QryMx.close();
    Chart->setPoints({});
    db::Connection& c = TDM::instance().Connection();
    bool finished = false;
    {
        ui::Progress progress(this, QStringLiteral("正在检索数据，请不要操作... ..."),
                              int(units.size() * std::size_t(diagnoses.size())));
        finished = RunDiseaseRoster(c, units, diagnoses, rangeStart(), rangeEnd(), [&](int u, int d) {
            return progress.step(u * int(diagnoses.size()) + d,
                                 QStringLiteral("正在统计 [%1] 中 [%2] 的患病情况，请稍候... ...")
                                     .arg(units[std::size_t(u)].name, diagnoses[d]));
        });
    }
    if (!finished) {
        ui::Dialogs::instance().info(QStringLiteral("统计已取消。"));
        return false;
    }
    openResult(QStringLiteral("select * from #tjian_dwhzmdcxun order by id "));
    if (!Qry.isEmpty()) {
        QryMx.setSql(QStringLiteral("select * from #tjian_dwhzmd order by id "));
        QryMx.open();
        fillChart();
    }
    return true;
}

void TFPrint_DwHbmdCxun::ShowDetails()
{
    if (!Qry.isOpen() || Qry.isEmpty())
        return;
    const QString unit = Qry.field(QStringLiteral("dwmcheng")).asString();
    const QString diagnosis = Qry.field(QStringLiteral("jbmcheng")).asString();
    QString sql;
    if (clickedField.compare(QStringLiteral("dwmcheng"), Qt::CaseInsensitive) == 0)
        sql = SqlText::format("select * from #tjian_dwhzmd where dwmcheng='%s' and jbmcheng='%s' order by id ", unit,
                              diagnosis);
    else if (clickedField.compare(QStringLiteral("jbmcheng"), Qt::CaseInsensitive) == 0)
        sql = SqlText::format("select * from #tjian_dwhzmd where jbmcheng='%s' order by id ", diagnosis);
    else
        sql = QStringLiteral("select * from #tjian_dwhzmd order by id ");
    QryMx.close();
    QryMx.setSql(sql);
    QryMx.open();
}

void TFPrint_DwHbmdCxun::fillChart()
{
    if (!Qry.isOpen() || Qry.isEmpty()) {
        Chart->setPoints({});
        return;
    }
    // The diagnoses of the current line's unit, most frequent first.
    const QString unit = Qry.field(QStringLiteral("dwmcheng")).asString();
    const int unitCol = Qry.fieldIndex(QStringLiteral("dwmcheng")), nameCol = Qry.fieldIndex(QStringLiteral("jbmcheng")),
              countCol = Qry.fieldIndex(QStringLiteral("rci"));
    // A diagnosis ticked in two departments has two equal lines: one bar.
    std::vector<QueryChart::Point> points;
    QSet<QString> seen;
    for (int r = 0; r < Qry.recordCount(); ++r) {
        const QString name = Qry.value(r, nameCol).toString();
        if (Qry.value(r, unitCol).toString() == unit && !seen.contains(name)) {
            seen.insert(name);
            points.push_back({name, Qry.value(r, countCol).toDouble()});
        }
    }
    std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.value > b.value; });
    if (points.size() > std::size_t(TopDiagnoses))
        points.resize(TopDiagnoses);
    Chart->setTitle(QStringLiteral("%1 主要疾病人次").arg(unit));
    Chart->setPoints(points);
}

QString TFPrint_DwHbmdCxun::PrintTitle() const
{
    if (PageControl->currentIndex() == 1)
        return QStringLiteral("%1[%2]患病名单")
            .arg(CmbDwei->currentText(), Qry.isOpen() ? Qry.field(QStringLiteral("jbmcheng")).asString() : QString());
    return CmbDwei->currentText() + QStringLiteral("患病情况汇总");
}

ui::DataGrid* TFPrint_DwHbmdCxun::PrintGrid() const
{
    // Printing needs the summary; the names print from the tab in front.
    if (!Qry.isOpen() || Qry.isEmpty())
        return nullptr;
    return PageControl->currentIndex() == 1 ? GridMx : Grid;
}

}  // namespace tj::queries
