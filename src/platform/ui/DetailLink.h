// Master and detail: a detail data set reopened from the master's key each
// time the master's current row changes (a table's rows or a working
// table's), with its own grid, which may be editable. While the master has
// no key (a row being added, an empty or closed set) the detail is closed.
//
//   link = new ui::DetailLink(QryZhxmu, "id", QryZhxmuSub,
//       "select ... from tjian_zhxmu_sub a inner join tjian_xmu b on b.id=a.xmid where zhxmid=%d order by b.xhao", this);
//   link->beforeReload = [this] { RefreshMembership(); };   // optional
#pragma once

#include "platform/db/Query.h"
#include "platform/db/Value.h"

#include <QObject>
#include <QString>
#include <functional>

namespace tj::ui {

class DetailLink : public QObject {
    Q_OBJECT
public:
    // sqlFormat holds one %d (an integer key) or '%s' (a text key).
    DetailLink(db::Query& master, const QString& keyField, db::Query& detail, const QString& sqlFormat,
               QObject* parent = nullptr);

    // Follow the master's row changes (default), or reload only when asked.
    void setFollowMaster(bool follow) { follow_ = follow; }
    // The master's current key; null when it has none.
    db::Value masterKey() const;
    // Reopens the detail from the master's current key (closes it when there is none).
    void reload();

    // Runs before each reload with the key (e.g. to complete the detail rows first).
    std::function<void(const db::Value& key)> beforeReload;
    // Runs after each reload.
    std::function<void()> afterReload;

private:
    void masterMoved();

    db::Query& master_;
    QString keyField_;
    db::Query& detail_;
    QString format_;
    bool follow_ = true;
    db::Value shownKey_;
    bool shown_ = false;
};

}  // namespace tj::ui
