#include "app/MenuTree.h"

namespace tj::app {

namespace {
MenuNode item(const char* caption, const char* opens = "")
{
    return MenuNode{QString::fromUtf8(caption), QString::fromUtf8(opens), {}};
}
MenuNode sep()
{
    return MenuNode{QStringLiteral("-"), QString(), {}};
}
MenuNode sub(const char* caption, std::vector<MenuNode> children)
{
    return MenuNode{QString::fromUtf8(caption), QString(), std::move(children)};
}

void flatten(const std::vector<MenuNode>& nodes, std::vector<int>& path, std::vector<MenuCodeEntry>& out)
{
    for (size_t i = 0; i < nodes.size(); ++i) {
        path.push_back(int(i) + 1);
        const MenuNode& n = nodes[i];
        out.push_back({MenuCode(path), n.caption, n.opens, n.isSubMenu()});
        flatten(n.children, path, out);
        path.pop_back();
    }
}
}  // namespace

const std::vector<MenuNode>& MainMenuTree()
{
    static const std::vector<MenuNode> tree = {
        sub("前台工作", {
            item("团体（单位）维护", "TFDwei"),
            item("单位套餐维护", "TFTCan_Dwei"),
            sep(),
            item("团检登记", "TFTjDj"),
            item("散检登记", "TFSjDj"),
            item("团检单位回款", "TFTjDwHkuan"),
            sep(),
            item("增减项目", "TFZjXm"),
            sep(),
            item("团检导检单打印", "TFPrint_Djd_Dwei"),
            item("散检导检单打印", "TFPrint_Djd_Ryuan"),
            item("团检检验申请单打印", "TFPrint_JySqd_Dwei"),
            item("散检检验申请单打印", "TFPrint_JySqd_Ryuan"),
            sep(),
            item("照片采集", "TFVideo"),
            item("档案维护", "TFDaWhu"),
            item("注销体检号", "TFZxTjhao"),
        }),
        sub("医生工作", {
            item("医生工作站（分科录入）", "TFTjJguo_Fklru"),
            item("医生工作站（集中录入）", "TFTjJguo_Jzlru"),
        }),
        sub("总检工作", {
            item("总检录入", "TFZjlru"),
            item("报告批量打印", "TFPrint_Tjbgao"),
        }),
        sub("查询统计", {
            item("按单位体检人员查询", "TFPrint_DwTjryCxun"),
            item("按单位日体检量查询", "TFPrint_DwRTjlCxun"),
            item("按单位体检量查询", "TFPrint_DwTjlCxun"),
            item("按单位患病名单查询", "TFPrint_DwHbmdCxun"),
            sep(),
            item("体检人员列表", "TFPrint_TjryLbiao"),
            item("体检报告查询", "TFPrint_TjbgCxun"),
            item("体检数据查询", "TFPrint_TjsjCxun"),
        }),
        sub("统计报表", {
            item("收费员日结", "TFSfyRjie"),
            item("收费员日结补打", "TFSfyRjBda"),
            item("收费员月结　", "TFSfyYjie"),
            item("收费员月结补打", "TFSfyYjBda"),
            sep(),
            item("科室医生工作量报表", "TFPrint_KsYsGzlBbiao"),
            item("按单位总结与建议报表", "TFPrint_DwZjJyBbiao"),
            item("科室工作量统计报表", "TFPrint_KsGzlBbiao"),
            item("医生工作量统计报表", "TFPrint_YsGzlBbiao"),
            item("总检医生工作量报表", "TFPrint_ZjYsGzlBbiao"),
        }),
        sub("信息维护", {
            item("体检科室维护", "TFKShi"),
            item("体检项目维护", "TFXmu"),
            item("组合项目维护", "TFZhXmu"),
            item("体检套餐维护", "TFTCan"),
            sep(),
            item("常见结果维护", "TFCjjguo"),
            item("诊断结论与建议维护", "TFZdjlYJy"),
            sub("数据字典", {
                item("组合项目类别", "TFZhxmLbie"),
                item("费别字典", "TFFbie"),
                sep(),
                item("体检类别", "TFTjlbie"),
                item("体检分区", "TFTjfqu"),
                item("疾病类别", "TFJblbie"),
                item("正常结果", "TFZcjguo"),
                sep(),
                item("单位性质", "TFDwxzhi"),
                item("单位类别", "TFDwlbie"),
                item("人员类别", "TFRylbie"),
            }),
        }),
        sub("系统设置", {
            item("参数设置", "TFCsSz"),
            sep(),
            item("用户管理", "TFYhu"),
            item("用户授权", "TFYhSquan"),
            sep(),
            item("更改密码", "TFSetPass"),
            item("背景设置", "TFSetBGround"),
            item("显示导航图", "ToggleNavigationMap"),
        }),
        sub("帮助", {
            item("关于系统", "TFAbout"),
            item("退出", "Quit"),
        }),
    };
    return tree;
}

QString MenuCode(const std::vector<int>& positions)
{
    QString code;
    for (int p : positions)
        code += QString::asprintf("%.2d", p);
    return code;
}

std::vector<MenuCodeEntry> FlattenMenu(const std::vector<MenuNode>& tree)
{
    std::vector<MenuCodeEntry> out;
    std::vector<int> path;
    flatten(tree, path, out);
    return out;
}

}  // namespace tj::app
