#include "registration/TFDaWhu.h"

#include "core/TDM.h"
#include "platform/db/SqlText.h"
#include "platform/ui/CheckedInput.h"
#include "platform/ui/DataGrid.h"
#include "platform/ui/DetailLink.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FormBuilder.h"
#include "platform/ui/KeyPreview.h"
#include "platform/ui/MaintenanceController.h"
#include "platform/ui/PhotoView.h"
#include "platform/capture/CaptureViews.h"
#include "registration/VisitColumns.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace tj::registration {

using core::TDM;
using db::SqlText;

namespace {
const char* const NoPersonSql = "select * from tjian_ryuan where 1=0 order by id";
}  // namespace

TFDaWhu::TFDaWhu(QWidget* parent)
    : ui::WorkingWindow(parent),
      Lists(TDM::instance().Connection()),
      QryRyuan(TDM::instance().Connection()),
      QryVisits(TDM::instance().Connection())
{
    setWindowTitle(QStringLiteral("档案维护"));
    resize(1260, 900);
    openOnShow({&Lists.QryDwei, &Lists.QryRylbie});
    closeOnClose({&QryVisits, &QryRyuan});
    QryRyuan.setUpdateTable(QStringLiteral("tjian_ryuan"));

    Maint = new ui::MaintenanceController(this, QryRyuan, TDM::instance().QryCx());
    auto* body = new QVBoxLayout(this);
    body->addWidget(Maint->createToolBar(this));

    // The search bar.
    auto* bar = new QGroupBox(this);
    auto* barLayout = new QHBoxLayout(bar);
    auto searchBox = [&](const QString& caption, QCheckBox*& check, QLineEdit*& box, int width) {
        check = new QCheckBox(caption, bar);
        box = new QLineEdit(bar);
        box->setMinimumWidth(width);
        box->setMaxLength(50);
        ui::InputWhileChecked(check, box);
        barLayout->addWidget(check);
        barLayout->addWidget(box);
        Maint->addBrowseOnly(check);
        Maint->addBrowseOnly(box);
        ui::EnterRuns(this, box, [this] { BtnQueryClick(); });
    };
    searchBox(QStringLiteral("档案号："), ChkDah, EdtDah, 90);
    searchBox(QStringLiteral("体检号："), ChkTjhao, EdtTjhao, 110);
    searchBox(QStringLiteral("姓名："), ChkXming, EdtXming, 110);
    BtnQuery = new QPushButton(QStringLiteral("查询(&S)"), bar);
    BtnQuery->setAutoDefault(false);
    barLayout->addWidget(BtnQuery);
    barLayout->addStretch();
    Maint->addBrowseOnly(BtnQuery);
    body->addWidget(bar);

    auto* main = new QHBoxLayout;
    body->addLayout(main, 1);

    // Left: the photo over the persons found and the visits of the current one.
    auto* left = new QVBoxLayout;
    ImgZpian = new ui::PhotoView(QStringLiteral("照片"), this);
    ImgZpian->setFixedSize(capture::MaxPhotoSize);
    ImgZpian->bind(QryRyuan, QStringLiteral("zpian"));
    left->addWidget(ImgZpian, 0, Qt::AlignHCenter);
    Pages = new QTabWidget(this);
    cxGrdRyuan = new ui::DataGrid(Pages);
    const int idColumn = cxGrdRyuan->addColumn(QStringLiteral("id"), QStringLiteral("档案号"), 60);
    cxGrdRyuan->addColumn(QStringLiteral("xming"), QStringLiteral("姓名"), 70);
    cxGrdRyuan->addColumn(QStringLiteral("xbie"), QStringLiteral("性别"), 40);
    ui::GridColumn birth;
    birth.field = QStringLiteral("csrqi");
    birth.caption = QStringLiteral("出生日期");
    birth.width = 85;
    birth.format = QStringLiteral("yyyy-MM-dd");
    cxGrdRyuan->addColumn(birth);
    cxGrdRyuan->addColumn(QStringLiteral("nling"), QStringLiteral("年龄"), 40);
    cxGrdRyuan->addLookupColumn(QStringLiteral("dwid"), QStringLiteral("所属单位"), Lists.QryDwei, QStringLiteral("id"),
                                QStringLiteral("mcheng"), 150);
    const struct {
        const char* field;
        const char* caption;
        int width;
    } texts[] = {{"fzu", "分组", 50},          {"zdybhao", "自定义编号", 80}, {"whcdu", "文化程度", 70},
                 {"hyzkuang", "婚姻状况", 70}, {"mzu", "民族", 50},           {"xxing", "血型", 50},
                 {"sfzhao", "身份证号", 150},  {"jtdhua", "家庭电话", 100},   {"bgdhua", "办公电话", 100},
                 {"sji", "手机", 100},         {"yxiang", "邮箱", 120},       {"jguan", "籍贯", 80},
                 {"dzhi", "地址", 160},        {"ybian", "邮编", 60},         {"gzdwei", "工作单位", 140},
                 {"dlqkuang", "煅练情况", 100}, {"ysqkuang", "饮食情况", 100}, {"yan", "烟", 60},
                 {"jiu", "酒", 60},            {"jwbing", "既往病", 120},     {"jzbing", "家族病", 120},
                 {"pyjma", "拼音简码", 70}};
    for (const auto& t : texts)
        cxGrdRyuan->addColumn(QString::fromLatin1(t.field), QString::fromUtf8(t.caption), t.width);
    cxGrdRyuan->addLookupColumn(QStringLiteral("rylbid"), QStringLiteral("人员类别"), Lists.QryRylbie,
                                QStringLiteral("id"), QStringLiteral("mcheng"), 80);
    cxGrdRyuan->addSummary({idColumn, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdRyuan->sortBy(idColumn);
    cxGrdRyuan->setQuery(&QryRyuan);
    Maint->setGrid(cxGrdRyuan);
    Pages->addTab(cxGrdRyuan, QStringLiteral("检索结果"));
    cxGrdVisits = new ui::DataGrid(Pages);
    AddVisitColumns(cxGrdVisits, VisitListFields());
    cxGrdVisits->addSummary({3, ui::GridSummary::Kind::Count, QStringLiteral("%d")});
    cxGrdVisits->setQuery(&QryVisits);
    Pages->addTab(cxGrdVisits, QStringLiteral("历次体检记录"));
    left->addWidget(Pages, 1);
    main->addLayout(left, 5);

    // Right: the person's data.
    auto* right = new QVBoxLayout;
    auto* grpBasic = new QGroupBox(QStringLiteral("基本信息"), this);
    auto* grpContact = new QGroupBox(QStringLiteral("通讯信息"), this);
    auto* grpLife = new QGroupBox(QStringLiteral("生活方式与既往史"), this);
    auto* grpBzhu = new QGroupBox(QStringLiteral("备注"), this);
    ui::FormBuilder basic(Maint, grpBasic, 3), contact(Maint, grpContact, 3), life(Maint, grpLife, 2),
        remark(Maint, grpBzhu, 1);
    Editors = DeclarePersonFields(basic, contact, life, Lists);
    MemBzhu = remark.memo(QString(), QStringLiteral("bzhu"), {.height = 60});
    // A person needs a name; everything else may stay open (walk-in
    // persons have no unit).
    Maint->addRequired(Editors.EdtXming, QStringLiteral("姓名不能为空！"), basic.labelOf(Editors.EdtXming));
    // Adding and editing start in the unit box.
    Maint->setFirstEditor(Editors.CmbDwid);
    for (QGroupBox* g : {grpBasic, grpContact, grpLife, grpBzhu})
        right->addWidget(g);
    right->addStretch();
    main->addLayout(right, 6);

    Maint->addDeleteGuard(QStringLiteral("select * from tjian_sfei_main where ryid=%d "), QStringLiteral("id"),
                          QStringLiteral("此人已经存在体检记录，不能删除！"));
    Maint->setDeleteQuestion(QStringLiteral("是否确认删除此人档案信息？"));

    // The visits of the current person, cancelled ones included; persons
    // without a unit have visits too.
    VisitsLink = new ui::DetailLink(
        QryRyuan, QStringLiteral("id"), QryVisits,
        QStringLiteral("select a.tjztai, a.jgbzhi, zjbzhi, a.tjhao, b.zdybhao, b.xming, b.xbie, b.nling,   d.mcheng as "
                       "rylbmcheng, c.mcheng as dwmcheng, a.sfsjian, a.tjsjian from tjian_sfei_main a   inner join "
                       "tjian_ryuan b on b.id=a.ryid   left join tjian_dwei c on c.id=b.dwid   left join tjian_rylbie d "
                       "on d.id=b.rylbid where a.ryid=%d "),
        this);

    connect(BtnQuery, &QPushButton::clicked, this, &TFDaWhu::BtnQueryClick);
}

TFDaWhu::~TFDaWhu() = default;

void TFDaWhu::FormShow()
{
    // An empty list to add persons to until the first search.
    QryRyuan.close();
    QryRyuan.setSql(QString::fromUtf8(NoPersonSql));
    QryRyuan.open();
    Pages->setCurrentWidget(cxGrdRyuan);
    ChkDah->setFocus(Qt::OtherFocusReason);
}

void TFDaWhu::BtnQueryClick()
{
    if (Maint->isEditing())
        return;
    QString condition = QStringLiteral("1=1");
    auto refuse = [](const QString& message, QLineEdit* box) {
        ui::Dialogs::instance().warning(message);
        box->setFocus(Qt::OtherFocusReason);
        return false;
    };
    if (ChkDah->isChecked()) {
        const QString text = EdtDah->text().trimmed();
        if (text.isEmpty())
            return (void)refuse(QStringLiteral("请输入档案号！"), EdtDah);
        // The archive number goes into the statement as a number.
        bool ok = false;
        const qint64 id = text.toLongLong(&ok);
        if (!ok)
            return (void)refuse(QStringLiteral("请输入正确的档案号！"), EdtDah);
        condition += SqlText::format(" and id=%d ", id);
    }
    if (ChkTjhao->isChecked()) {
        const QString text = EdtTjhao->text().trimmed();
        if (text.isEmpty())
            return (void)refuse(QStringLiteral("请输入体检号！"), EdtTjhao);
        condition += SqlText::format(" and id in (select ryid from tjian_sfei_main where tjhao='%s') ", text);
    }
    if (ChkXming->isChecked()) {
        const QString text = EdtXming->text().trimmed();
        if (text.isEmpty())
            return (void)refuse(QStringLiteral("请输入姓名！"), EdtXming);
        condition += SqlText::format(" and xming like '%%%s%%' ", text);
    }
    QryRyuan.close();
    QryRyuan.setSql(SqlText::format("select * from tjian_ryuan where %s order by id", condition));
    QryRyuan.open();
    Pages->setCurrentWidget(cxGrdRyuan);
    if (QryRyuan.isEmpty()) {
        ui::Dialogs::instance().message(QStringLiteral("无查询结果！"));
        for (const auto& [check, box] : {std::pair{ChkDah, EdtDah}, {ChkTjhao, EdtTjhao}, {ChkXming, EdtXming}})
            if (check->isChecked()) {
                box->setFocus(Qt::OtherFocusReason);
                break;
            }
    }
}

}  // namespace tj::registration
