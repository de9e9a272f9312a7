// The front desk's windows driven as a clerk would: adding and removing
// items through the list and its two dialogs, cancelling numbers, the unit
// payment receipt and photo capture with a fake camera.
#include "platform/capture/CaptureViews.h"
#include "platform/db/SqlText.h"
#include "platform/ui/PhotoView.h"
#include "platform/ui/MaintenanceController.h"
#include "registration/TFDaWhu.h"
#include "registration/TFTjDwHkuan.h"
#include "registration/TFVideo.h"
#include "registration/TFZjXm.h"
#include "registration/TFZjXm_Add.h"
#include "registration/TFZjXm_Dec.h"
#include "registration/TFZxTjhao.h"
#include "support/FakeCamera.h"
#include "support/WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>

using namespace tj::registration;
using tj::db::Currency;
using tj::db::SqlText;

namespace {

class FrontDeskWindows : public tj::test::WindowTest {
protected:
    FrontDeskWindows()
    {
        today = db.scalar("select getdate()").toDateTime().toString("yyyy-MM-dd hh:mm:ss");
        ks = db.addDepartment("检验科");
        const int hb = db.addItem({.ksid = ks, .name = "血红蛋白", .normal = "135"});
        const int wbc = db.addItem({.ksid = ks, .name = "白细胞"});
        const int glu = db.addItem({.ksid = ks, .name = "血糖"});
        blood = db.addCombinedItem({.ksid = ks, .name = "血常规", .price = 33.33, .members = {hb, wbc}});
        sugar = db.addCombinedItem({.ksid = ks, .name = "血糖组", .price = 20, .members = {glu}});
        db.execute(SqlText::format("update tjian_zhxmu_main set pyjma='xcg' where id=%d", blood));
        db.execute(SqlText::format("update tjian_zhxmu_main set pyjma='xtz' where id=%d", sugar));
        unit = db.addUnit({.name = "东方机械", .settlement = 2});
        zhang = db.addPerson({.name = "张三"});
        li = db.addPerson({.name = "李四", .sex = "女"});
        wang = db.addPerson({.name = "王五", .dwid = unit});
        db.addVisit({.ryid = zhang, .tjhao = "0-1", .zhxmids = {blood}, .registeredAt = today});
        db.addVisit({.ryid = li, .tjhao = "0-2", .zhxmids = {sugar}, .registeredAt = today});
        db.addVisit({.ryid = wang, .tjhao = SqlText::format("%d-1", unit), .zhxmids = {sugar}, .settlement = 2,
                     .registeredAt = today});
    }

    static void pressEnter(QWidget* w)
    {
        w->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w, &enter);
    }
    // Types into a cell of an editable grid and presses Enter there.
    static void typeInCell(tj::ui::DataGrid* grid, int row, int column, const QString& text)
    {
        grid->focusCell(row, column);
        auto* cell = qobject_cast<QLineEdit*>(grid->currentEditor());
        ASSERT_NE(cell, nullptr);
        cell->setText(text);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(cell, &enter);
    }
    // Runs `work` on the modal dialog once it is open, then closes it.
    static void whenOpen(QDialog* (*find)(QWidget*), QWidget* owner, std::function<void(QDialog*)> work)
    {
        QTimer::singleShot(0, [=] {
            QDialog* d = find(owner);
            ASSERT_NE(d, nullptr);
            QApplication::setActiveWindow(d);
            work(d);
            d->reject();
        });
    }
    QStringList numbersListed(tj::ui::DataGrid* grid) { return column(grid, grid->columnIndex("tjhao")); }

    QString today;
    int ks = 0, blood = 0, sugar = 0, unit = 0, zhang = 0, li = 0, wang = 0;
};

TEST_F(FrontDeskWindows, AddingAndRemovingItemsForASelectionOfVisits)
{
    TFZjXm w;
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_TRUE(w.EdtTjhao->hasFocus());

    // Without 单位 the persons without a unit; with it, a unit must be chosen.
    w.BtnQueryClick();
    EXPECT_EQ(numbersListed(w.Grid), QStringList({"0-1", "0-2"}));
    w.ChkDwei->setChecked(true);
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, "请选择团检单位！");
    EXPECT_TRUE(w.CmbDwei->hasFocus());
    w.ChkDwei->setChecked(false);
    // Enter in the number box finds exactly that visit.
    type(w.EdtTjhao, "0-2");
    pressEnter(w.EdtTjhao);
    EXPECT_EQ(numbersListed(w.Grid), QStringList({"0-2"}));

    type(w.EdtTjhao, "");
    w.BtnQueryClick();
    w.Grid->selectRows({});
    w.BtnAddClick();
    EXPECT_EQ(dialogs.last().text, "没有选择要增加检查项目的人员！");
    w.Grid->selectRows(w.Grid->displayRows());

    dialogs.clear();
    dialogs.answer(true);
    whenOpen([](QWidget* o) -> QDialog* { return static_cast<TFZjXm*>(o)->FrmAdd; }, &w, [&](QDialog* d) {
        auto* add = static_cast<TFZjXm_Add*>(d);
        EXPECT_EQ(add->numbers(), QStringList({"0-1", "0-2"}));
        EXPECT_TRUE(add->EdtPyjma->hasFocus());
        type(add->EdtPyjma, "cg");
        pressEnter(add->EdtPyjma);
        EXPECT_EQ(column(add->cxGrdZhxmu, 1), QStringList({"血常规"}));
        doubleClick(add->cxGrdZhxmu, 0);
        doubleClick(add->cxGrdZhxmu, 0);
        EXPECT_EQ(dialogs.last().text, "已经选择了此项目，不能重复添加！");
        EXPECT_EQ(add->Editor->rowCount(), 1);

        // 0.8888 of 33.33 cannot be received exactly: refused before writing.
        typeInCell(add->cxGrdChosen, 0, 2, "0.8888");
        EXPECT_EQ(add->cxGrdChosen->displayText(0, 3), "29.62");
        EXPECT_EQ(add->cxGrdChosen->currentColumn(), 3);
        add->BtnOkClick();
        EXPECT_EQ(dialogs.last().text, "错误信息：第 1 行：实收与应收和折扣的乘积不符，请检查！");
        EXPECT_EQ(dialogs.last().caption, "警告信息");
        EXPECT_EQ(add->cxGrdChosen->currentColumn(), 2);
        typeInCell(add->cxGrdChosen, 0, 2, "1.5");
        EXPECT_EQ(dialogs.last().text, "超出范围（0~1），请重新输入！");
        typeInCell(add->cxGrdChosen, 0, 2, "0.9");
        add->BtnOkClick();
        const QString log = add->RchLog->toPlainText();
        EXPECT_TRUE(log.contains("体检人员（张三）已经有此体检项目（血常规），增加失败！")) << log.toStdString();
        EXPECT_TRUE(log.contains("体检人员（李四）增加体检项目（血常规）成功。")) << log.toStdString();
        shot(add, "TFZjXm_Add");
    });
    w.BtnAddClick();
    EXPECT_EQ(dialogs.shown().front().text, "对所选人员进行批量增加检查项目，共 2 人，是否继续？");
    EXPECT_EQ(count("select count(*) from tjian_sfei_sub a inner join tjian_sfei_main b on b.id=a.sfid where "
                    "b.tjhao='0-2' and a.zjbzhi=1 and a.ssje=29.997"),
              1);
    EXPECT_EQ(count("select count(*) from tjian_jguo where tjhao='0-2'"), 3);

    // Withdraw 血糖组 from 李四: choose both items, take 血常规 off again with Delete.
    w.Grid->selectRows({1});
    dialogs.answer(true);
    whenOpen([](QWidget* o) -> QDialog* { return static_cast<TFZjXm*>(o)->FrmDec; }, &w, [&](QDialog* d) {
        auto* dec = static_cast<TFZjXm_Dec*>(d);
        EXPECT_TRUE(dec->RchLog->toPlainText().isEmpty());
        doubleClick(dec->cxGrdZhxmu, dec->cxGrdZhxmu->displayRows().at(0));
        doubleClick(dec->cxGrdZhxmu, dec->cxGrdZhxmu->displayRows().at(1));
        EXPECT_EQ(column(dec->cxGrdChosen, 0), QStringList({"血常规", "血糖组"}));
        EXPECT_EQ(dec->cxGrdChosen->displayText(0, 1), "检验科");
        dec->cxGrdChosen->setCurrentRow(0);
        dec->cxGrdChosen->selectRows({0});
        dialogs.answer(true);
        QTest::keyClick(dec->cxGrdChosen->view(), Qt::Key_Delete);
        EXPECT_EQ(column(dec->cxGrdChosen, 0), QStringList({"血糖组"}));
        dec->BtnOkClick();
        EXPECT_TRUE(dec->RchLog->toPlainText().contains("体检人员（李四）减少体检项目（血糖组）成功。"));
        shot(dec, "TFZjXm_Dec");
    });
    w.BtnDecClick();
    EXPECT_EQ(count("select count(*) from tjian_sfei_sub a inner join tjian_sfei_main b on b.id=a.sfid where "
                    "b.tjhao='0-2' and a.hsbzhi=0"),
              1);
    EXPECT_EQ(count(SqlText::format("select count(*) from tjian_jguo where tjhao='0-2' and zhxmid=%d", sugar)), 0);
    EXPECT_EQ(count(SqlText::format("select count(*) from tjian_jguo where tjhao='0-2' and zhxmid=%d", blood)), 2);
    shot(&w, "TFZjXm");
}

TEST_F(FrontDeskWindows, CancellingNumbers)
{
    TFZxTjhao w;
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_FALSE(w.ChkQxuan->isChecked());
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, "请输入体检号！");

    // Number and unit together: 0-1 belongs to no unit.
    type(w.EdtTjhao, "0-1");
    w.ChkDwei->setChecked(true);
    choose(w.CmbDwei, "东方机械");
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, "无查询结果！");
    w.ChkDwei->setChecked(false);
    pressEnter(w.EdtTjhao);
    EXPECT_EQ(numbersListed(w.Grid), QStringList({"0-1"}));
    EXPECT_EQ(w.Grid->selectedRows().size(), 1u);

    db.execute("update tjian_jguo set jcjguo='140', jcbzhi=1 where tjhao='0-1'");
    dialogs.answer(false);
    w.BtnZxiaoClick();
    EXPECT_EQ(dialogs.last().text, "本次注销体检号 1 个，是否继续？");
    EXPECT_EQ(count("select zxbzhi from tjian_sfei_main where tjhao='0-1'"), 0);
    dialogs.answer(true);
    w.BtnZxiaoClick();
    EXPECT_EQ(dialogs.last().text, "全部注销成功！");
    EXPECT_EQ(w.Qry.recordCount(), 0);
    EXPECT_EQ(count("select zxbzhi from tjian_sfei_main where tjhao='0-1'"), 1);
    EXPECT_EQ(count("select count(*) from tjian_jguo where tjhao='0-1' and jcbzhi=1"), 2);
    EXPECT_EQ(count(SqlText::format("select djbzhi from tjian_ryuan where id=%d", zhang)), 0);

    w.ChkTjhao->setChecked(false);
    w.BtnQueryClick();
    EXPECT_EQ(w.Grid->selectedRows().size(), 2u);
    shot(&w, "TFZxTjhao");
}

TEST_F(FrontDeskWindows, UnitPaymentOfThreeVisits)
{
    db.execute("delete from tjian_sfei_sub");
    db.execute("delete from tjian_sfei_main");
    const char* amounts[] = {"120.00", "80.00", "0.50"};
    for (int i = 0; i < 3; ++i) {
        const int p = db.addPerson({.name = QString("职工%1").arg(i + 1), .dwid = unit});
        const int v = db.addVisit({.ryid = p, .tjhao = SqlText::format("%d-%d", unit, i + 1), .settlement = 2,
                                   .registeredAt = today});
        db.execute(SqlText::format("insert into tjian_sfei_sub(sfid, zhxmid, ysje, zkou, ssje) values(%d, %d, %s, 1, %s)",
                                   v, sugar, QString::fromLatin1(amounts[i]), QString::fromLatin1(amounts[i])));
    }
    TFTjDwHkuan w;
    w.show();
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, "请选择团检单位！");
    choose(w.CmbDwei, "东方机械");
    w.BtnQueryClick();
    ASSERT_EQ(w.Qry.recordCount(), 3);
    EXPECT_EQ(w.Grid->selectedRows().size(), 3u);
    EXPECT_EQ(w.Grid->summaryText(1), "200.50");
    shot(&w, "TFTjDwHkuan");

    dialogs.answer(false);
    w.BtnHkuanClick();
    EXPECT_EQ(dialogs.last().text, "回款单位：东方机械\r\r本次回款：200.5000 元，是否确定？");
    EXPECT_EQ(dialogs.last().caption, "确认信息");
    EXPECT_FALSE(dialogs.last().defaultYes);
    EXPECT_EQ(count("select count(*) from tjian_sfei_main where jzbzhi=1"), 0);

    // Another workstation settled the first one meanwhile.
    db.execute(SqlText::format("update tjian_sfei_main set jzbzhi=1 where tjhao='%d-1'", unit));
    dialogs.answer(true);
    w.BtnHkuanClick();
    EXPECT_EQ(dialogs.last().text, "回款成功！本次结帐 2 人，金额 80.50 元；另有 1 人已由其他工作站结帐或已注销，未重复结帐。");
    EXPECT_EQ(w.Qry.recordCount(), 0);
    EXPECT_EQ(count("select count(*) from tjian_sfei_main where jzbzhi=1 and jzsjian is not null"), 2);
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, "无查询结果！");
}

class PhotoCapture : public FrontDeskWindows {
protected:
    QString captureFile() const { return QDir(db.programFolder()).filePath("Pic/capture.bmp"); }
    QByteArray storedPhoto(int person)
    {
        return db.scalar(SqlText::format("select zpian from tjian_ryuan where id=%d", person)).toBlob();
    }
};

TEST_F(PhotoCapture, WithoutACameraTheWindowSaysSo)
{
    tj::test::FakeCameras none({});
    // A frame left from an earlier day is another person's picture.
    QDir(db.programFolder()).mkpath("Pic");
    ASSERT_TRUE(tj::test::TestPicture().save(captureFile(), "BMP"));

    TFVideo w;
    w.show();
    EXPECT_EQ(w.LblInfo->text(), "未检测到摄像头设备！");
    type(w.EdtTjhao, "0-1");
    w.BtnQueryClick();
    EXPECT_EQ(w.EdtXming->text(), "张三");
    w.BtnCaptureClick();
    EXPECT_EQ(dialogs.last().text, "请先拍摄再裁剪照片！");
    EXPECT_TRUE(storedPhoto(zhang).isEmpty());
    w.BtnOkClick();
    EXPECT_EQ(dialogs.last().text, "没有裁剪照片，无法获得照片！");
    EXPECT_EQ(dialogs.last().caption, "警告信息");
    EXPECT_TRUE(w.isVisible());
    shot(&w, "TFVideo_NoCamera");
}

TEST_F(PhotoCapture, TakesCropsAndStoresThePhoto)
{
    tj::test::FakeCameras cameras({{"测试摄像头", {{640, 480}, {320, 240}}}, {"第二摄像头", {{352, 288}}}});
    TFVideo w;
    w.show();
    QApplication::setActiveWindow(&w);
    EXPECT_EQ(w.LblInfo->text(), "当前视频设备：测试摄像头");
    EXPECT_TRUE(w.EdtTjhao->hasFocus());
    ASSERT_TRUE(cameras.camera()->isConnected());
    cameras.feed(tj::test::TestPicture());

    // Nobody found yet: the photo is cut, nothing is stored.
    w.BtnCaptureClick();
    EXPECT_EQ(w.Photo().size(), tj::capture::CropFrameSize);
    EXPECT_TRUE(QFile::exists(captureFile()));
    EXPECT_EQ(count("select count(*) from tjian_ryuan where zpian is not null"), 0);

    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, "请输入体检号！");
    type(w.EdtTjhao, "9-9");
    pressEnter(w.EdtTjhao);
    EXPECT_EQ(dialogs.last().text, "无此体检号对应人员！");
    type(w.EdtTjhao, SqlText::format("%d-1", unit));
    pressEnter(w.EdtTjhao);
    EXPECT_EQ(w.EdtXming->text(), "王五");
    EXPECT_EQ(w.EdtDwei->text(), "东方机械");

    w.BtnCaptureClick();
    const QByteArray bmp = storedPhoto(wang);
    ASSERT_TRUE(bmp.startsWith("BM"));
    const QImage stored = QImage::fromData(bmp, "BMP");
    EXPECT_EQ(stored.size(), tj::capture::CropFrameSize);
    // The crop frame starts in the middle of the picture: the dark disc.
    EXPECT_LT(qGray(stored.pixel(50, 61)), 60);
    EXPECT_TRUE(w.ImgZpian->hasPhoto());
    shot(&w, "TFVideo");

    // A second capture replaces the file and the stored photo.
    w.ImgFrame->moveCropFrameTo({0, 0});
    cameras.feed(tj::test::TestPicture());
    w.BtnCaptureClick();
    const QImage second = QImage::fromData(storedPhoto(wang), "BMP");
    EXPECT_EQ(QColor(second.pixel(10, 10)).red(), 220);

    // 视频格式 and 视频源 from the 视频设置 menu.
    QAction* small = nullptr;
    for (QAction* a : w.MnuFormat->actions())
        if (a->text() == "320 × 240")
            small = a;
    ASSERT_NE(small, nullptr);
    small->trigger();
    EXPECT_EQ(cameras.camera()->resolution(), QSize(320, 240));
    EXPECT_EQ(w.PnlVideo->size(), QSize(320, 240));
    ASSERT_EQ(w.MnuSource->actions().size(), 2);
    w.MnuSource->actions().at(1)->trigger();
    EXPECT_EQ(cameras.camera()->currentDevice(), 1);
    EXPECT_EQ(w.LblInfo->text(), "当前视频设备：第二摄像头");
    w.MnuSettings->actions().at(1)->trigger();  // 关闭视频
    EXPECT_FALSE(cameras.camera()->isConnected());

    w.BtnOkClick();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(FrontDeskWindows, TheArchive)
{
    db.connection().execute(SqlText::format("update tjian_ryuan set zpian=? where id=%d", li),
                            {tj::capture::BitmapBytes(tj::capture::CropPhoto(tj::test::TestPicture(), {200, 120, 240, 295},
                                                                             tj::capture::CropFrameSize))});
    TFDaWhu w;
    w.show();
    QApplication::setActiveWindow(&w);

    // Search boxes take input only while checked; each must then be filled.
    EXPECT_TRUE(w.EdtDah->isReadOnly());
    w.ChkDah->setChecked(true);
    EXPECT_FALSE(w.EdtDah->isReadOnly());
    w.BtnQueryClick();
    EXPECT_EQ(dialogs.last().text, "请输入档案号！");
    type(w.EdtDah, "1 or 1=1");
    pressEnter(w.EdtDah);
    EXPECT_EQ(dialogs.last().text, "请输入正确的档案号！");
    w.ChkDah->setChecked(false);

    // By examination number: the person of that visit, with photo and visits.
    w.ChkTjhao->setChecked(true);
    type(w.EdtTjhao, "0-2");
    pressEnter(w.EdtTjhao);
    ASSERT_EQ(w.QryRyuan.recordCount(), 1);
    EXPECT_EQ(w.QryRyuan.field("xming").asString(), "李四");
    EXPECT_EQ(w.Editors.EdtXming->text(), "李四");
    EXPECT_TRUE(w.ImgZpian->hasPhoto());
    EXPECT_EQ(numbersListed(w.cxGrdVisits), QStringList({"0-2"}));
    w.Pages->setCurrentWidget(w.cxGrdVisits);
    shot(&w, "TFDaWhu");
    w.ChkTjhao->setChecked(false);

    // By a part of the name; a person with only a cancelled visit is kept.
    db.execute("update tjian_sfei_main set zxbzhi=1 where tjhao='0-1'");
    w.ChkXming->setChecked(true);
    type(w.EdtXming, "张");
    w.BtnQueryClick();
    ASSERT_EQ(w.QryRyuan.recordCount(), 1);
    EXPECT_FALSE(w.ImgZpian->hasPhoto());
    EXPECT_EQ(numbersListed(w.cxGrdVisits), QStringList({"0-1"}));
    w.Maint->BBtnDelClick();
    EXPECT_EQ(dialogs.last().text, "此人已经存在体检记录，不能删除！");
    EXPECT_EQ(count(SqlText::format("select count(*) from tjian_ryuan where id=%d", zhang)), 1);

    // A new person, then deleted again (he has no visits).
    w.Maint->BBtnAddClick();
    EXPECT_TRUE(w.Editors.CmbDwid->hasFocus());
    EXPECT_FALSE(w.BtnQuery->isEnabled());
    choose(w.Editors.CmbDwid, "东方机械");
    type(w.Editors.EdtXming, "赵六");
    type(w.MemBzhu, "复查血压");
    ASSERT_TRUE(w.Maint->BBtnSaveClick()) << dialogs.texts().join('\n').toStdString();
    const int added = int(db.scalar("select id from tjian_ryuan where xming='赵六'").toInteger());
    EXPECT_EQ(db.scalar(SqlText::format("select dwid from tjian_ryuan where id=%d", added)).toInteger(), unit);
    EXPECT_EQ(db.scalar(SqlText::format("select bzhu from tjian_ryuan where id=%d", added)).toString(), "复查血压");
    ASSERT_TRUE(w.QryRyuan.locate("id", added));
    dialogs.answer(true);
    w.Maint->BBtnDelClick();
    EXPECT_EQ(dialogs.last().text, "是否确认删除此人档案信息？");
    EXPECT_EQ(count(SqlText::format("select count(*) from tjian_ryuan where id=%d", added)), 0);

    w.ChkXming->setChecked(false);
    w.BtnQueryClick();
    EXPECT_EQ(w.QryRyuan.recordCount(), 3);
}

}  // namespace
