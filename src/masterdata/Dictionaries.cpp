#include "masterdata/Dictionaries.h"

#include "platform/ui/DataGrid.h"
#include "platform/ui/MaintenanceController.h"

#include <QKeyEvent>
#include <QTreeView>

namespace tj::masterdata {

const DictionaryDefinition TFRylbie::Definition{
    QStringLiteral("人员类别字典"), QStringLiteral("tjian_rylbie"), QStringLiteral("人员类别名称"), false,
    QStringLiteral("select * from tjian_ryuan where rylbid=%d "),
    QStringLiteral("此人员类别已经在体检人员中使用，不能删除！"), QStringLiteral("是否确定删除此人员类别？"), true};

const DictionaryDefinition TFTjlbie::Definition{
    QStringLiteral("体检类别字典"), QStringLiteral("tjian_tjlbie"), QStringLiteral("体检类别名称"), false,
    QStringLiteral("select * from tjian_sfei_main where tjlbid=%d "),
    QStringLiteral("此体检类别已经在体检收费中使用，不能删除！"), QStringLiteral("是否确定删除此体检类别？"), true};

const DictionaryDefinition TFTjfqu::Definition{
    QStringLiteral("体检分区字典"), QStringLiteral("tjian_tjfqu"), QStringLiteral("体检分区名称"), false,
    QStringLiteral("select * from tjian_sfei_main where tjfqid=%d "),
    QStringLiteral("此体检分区已经在体检收费中使用，不能删除！"), QStringLiteral("是否确定删除此体检分区？"), true};

const DictionaryDefinition TFJblbie::Definition{
    QStringLiteral("疾病类别字典"), QStringLiteral("tjian_jblbie"), QStringLiteral("疾病类别名称"), false,
    QStringLiteral("select * from tjian_zdjlyjyi where jblbie='%s' "),
    QStringLiteral("此疾病类别已经在诊断结论与建议中使用，不能删除！"), QStringLiteral("是否确定删除此疾病类别？"),
    true};

const DictionaryDefinition TFZcjguo::Definition{
    QStringLiteral("正常结果字典"), QStringLiteral("tjian_zcjguo"), QStringLiteral("正常结果名称"), false,
    QStringLiteral("select * from tjian_xmu where zcjguo='%s' "),
    QStringLiteral("此正常结果已经在体检项目中使用，不能删除！"), QStringLiteral("是否确定删除此正常结果？"), true};

const DictionaryDefinition TFDwxzhi::Definition{
    QStringLiteral("单位性质字典"), QStringLiteral("tjian_dwxzhi"), QStringLiteral("单位性质名称"), false,
    QStringLiteral("select * from tjian_dwei where dwxzid=%d "),
    QStringLiteral("此单位性质已经在体检团体单位中使用，不能删除！"), QStringLiteral("是否确定删除此单位性质？"),
    true};

const DictionaryDefinition TFDwlbie::Definition{
    QStringLiteral("单位类别字典"), QStringLiteral("tjian_dwlbie"), QStringLiteral("单位类别名称"), false,
    QStringLiteral("select * from tjian_dwei where dwlbid=%d "),
    QStringLiteral("此单位类别已经在体检团体单位中使用，不能删除！"), QStringLiteral("是否确定删除此单位类别？"),
    true};

const DictionaryDefinition TFFbie::Definition{
    QStringLiteral("费别字典"), QStringLiteral("tjian_fbie"), QStringLiteral("项目名称"), true,
    QStringLiteral("select * from tjian_zhxmu_main where fbie='%s' "),
    QStringLiteral("此体检组合项目费别已经在体检组合项目中使用，不能删除！"),
    QStringLiteral("是否确定删除此体检组合项目费别？"), false};

const DictionaryDefinition TFZhxmLbie::Definition{
    QStringLiteral("组合项目类别字典"), QStringLiteral("tjian_zhxmu_lbie"), QStringLiteral("项目名称"), true,
    QStringLiteral("select * from tjian_zhxmu_main where lbie='%s' "),
    QStringLiteral("此体检组合项目类别已经在体检组合项目中使用，不能删除！"),
    QStringLiteral("是否确定删除此体检组合项目类别？"), false};

TFRylbie::TFRylbie(QWidget* parent) : TFDictionary(Definition, parent) {}
TFTjlbie::TFTjlbie(QWidget* parent) : TFDictionary(Definition, parent) {}
TFTjfqu::TFTjfqu(QWidget* parent) : TFDictionary(Definition, parent) {}
TFJblbie::TFJblbie(QWidget* parent) : TFDictionary(Definition, parent) {}
TFDwxzhi::TFDwxzhi(QWidget* parent) : TFDictionary(Definition, parent) {}
TFDwlbie::TFDwlbie(QWidget* parent) : TFDictionary(Definition, parent) {}
TFFbie::TFFbie(QWidget* parent) : TFDictionary(Definition, parent) {}
TFZhxmLbie::TFZhxmLbie(QWidget* parent) : TFDictionary(Definition, parent) {}

TFZcjguo::TFZcjguo(QWidget* parent) : TFDictionary(Definition, parent)
{
    // Deleting with the grid's Delete key goes through the guard as well, so
    // a normal result that items use is never removed behind its back.
    cxGrdDict->keyHook = [this](QKeyEvent* key) {
        if (key->key() != Qt::Key_Delete || key->modifiers() != Qt::NoModifier)
            return false;
        Maint->BBtnDelClick();
        return true;
    };
}

}  // namespace tj::masterdata
