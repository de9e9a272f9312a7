// The user list shared by the user and authorisation windows: the users of
// the examination departments, grouped by department, with the lists that
// name their sex, department and category.
#pragma once

#include "platform/db/Query.h"

namespace tj::ui {
class DataGrid;
}

namespace tj::admin {

class UserList {
public:
    UserList();

    // Opens the three choice lists, then the users.
    void open();
    void close();
    // Reopens the users, keeping the current user when he is still listed.
    void reopen();
    // The current user's id; 0 when there is none.
    int currentUserId() const;

    // Grid grouped by department (groups ascending, captioned by name), one
    // column 用户姓名, footer "共 n 条", read-only.
    void setUpGrid(ui::DataGrid* grid);

    db::Query QryYhu;    // users joined to their department; writes go to pub_yhu
    db::Query QryKshi;   // departments of categories 11, 12, 13
    db::Query QryXbie;   // sexes
    db::Query QryYhlbie; // user categories
};

}  // namespace tj::admin
