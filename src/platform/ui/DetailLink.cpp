#include "platform/ui/DetailLink.h"

#include "platform/db/SqlText.h"

namespace tj::ui {

DetailLink::DetailLink(db::Query& master, const QString& keyField, db::Query& detail, const QString& sqlFormat,
                       QObject* parent)
    : QObject(parent), master_(master), keyField_(keyField), detail_(detail), format_(sqlFormat)
{
    connect(&master_, &db::Query::currentChanged, this, [this](int) { masterMoved(); });
    connect(&master_, &db::Query::dataChanged, this, [this] { masterMoved(); });
    connect(&master_, &db::Query::stateChanged, this, [this](db::Query::State) { masterMoved(); });
}

db::Value DetailLink::masterKey() const
{
    if (!master_.isOpen() || master_.recNo() < 0 || master_.state() == db::Query::State::Insert)
        return {};
    const int f = master_.fieldIndex(keyField_);
    return f < 0 ? db::Value() : master_.currentValue(f);
}

void DetailLink::masterMoved()
{
    if (!follow_)
        return;
    const db::Value key = masterKey();
    // Editing the master row does not move it: the detail stays as it is.
    if (shown_ && key == shownKey_ && (detail_.isOpen() || key.isNull()))
        return;
    reload();
}

void DetailLink::reload()
{
    const db::Value key = masterKey();
    shownKey_ = key;
    shown_ = true;
    detail_.close();
    if (key.isNull())
        return;
    if (beforeReload)
        beforeReload(key);
    const QByteArray format = format_.toUtf8();
    detail_.setSql(format_.contains(QLatin1String("'%s'")) ? db::SqlText::format(format.constData(), key.toString())
                                                          : db::SqlText::format(format.constData(), key.toInteger()));
    detail_.open();
    if (afterReload)
        afterReload();
}

}  // namespace tj::ui
