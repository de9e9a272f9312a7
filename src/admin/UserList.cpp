#include "admin/UserList.h"

#include "core/TDM.h"
#include "platform/ui/DataGrid.h"

namespace tj::admin {

using core::TDM;

UserList::UserList()
    : QryYhu(TDM::instance().Connection()),
      QryKshi(TDM::instance().Connection()),
      QryXbie(TDM::instance().Connection()),
      QryYhlbie(TDM::instance().Connection())
{
    QryYhu.setSql(QStringLiteral("select *\n"
                                 "from pub_yhu a\n"
                                 "  inner join pub_kshi b on b.id=a.kshi\n"
                                 "where b.kslbie in (11,12,13)\n"
                                 "order by a.kshi,a.xhao"));
    QryYhu.setUpdateTable(QStringLiteral("pub_yhu"));
    QryYhu.setKeyFields({QStringLiteral("id")});
    QryKshi.setSql(QStringLiteral("select * from pub_kshi where kslbie in (11,12,13)"));
    QryXbie.setSql(QStringLiteral("select * from pub_xbie"));
    QryYhlbie.setSql(QStringLiteral("select * from pub_yhlbie"));
}

void UserList::open()
{
    for (db::Query* q : {&QryKshi, &QryXbie, &QryYhlbie, &QryYhu}) {
        q->close();
        q->open();
    }
}

void UserList::close()
{
    for (db::Query* q : {&QryYhu, &QryKshi, &QryXbie, &QryYhlbie})
        q->close();
}

int UserList::currentUserId() const
{
    if (!QryYhu.isOpen() || QryYhu.recNo() < 0)
        return 0;
    return int(QryYhu.field(QStringLiteral("id")).asInteger());
}

void UserList::reopen()
{
    const int id = currentUserId();
    QryYhu.close();
    QryYhu.open();
    if (id)
        QryYhu.locate(QStringLiteral("id"), id);
}

void UserList::setUpGrid(ui::DataGrid* grid)
{
    const int dept = grid->addLookupColumn(QStringLiteral("kshi"), QStringLiteral("科室名称"), QryKshi);
    grid->setColumnVisible(dept, false);
    grid->addColumn(QStringLiteral("xming"), QStringLiteral("用户姓名"), 160);
    grid->setGroupColumn(dept);
    grid->addSummary({1, ui::GridSummary::Kind::Count, QStringLiteral("共 %d 条")});
    grid->setQuery(&QryYhu);
}

}  // namespace tj::admin
