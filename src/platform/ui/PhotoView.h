// A person's photo as stored (tjian_ryuan.zpian, a bitmap or any picture
// Qt reads), stretched to the frame; the caption stands in the empty frame.
// Bound to a data set, it shows the photo of the current row.
//
//   auto* photo = new ui::PhotoView(QStringLiteral("照片"), this);
//   photo->setFixedSize(200, 246);
//   photo->bind(QryRyuan, "zpian");
#pragma once

#include <QByteArray>
#include <QFrame>
#include <QImage>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <vector>

namespace tj::db {
class Query;
}

namespace tj::ui {

class PhotoView : public QFrame {
    Q_OBJECT
public:
    explicit PhotoView(const QString& caption, QWidget* parent = nullptr);
    ~PhotoView() override;

    // Shows a stored photo; bytes that hold no picture show the empty frame.
    void setPhoto(const QByteArray& bytes);
    void setPhoto(const QImage& photo);
    const QImage& photo() const { return photo_; }
    bool hasPhoto() const { return !photo_.isNull(); }

    // Follows the current row of a data set (closed or empty: no photo).
    void bind(db::Query& set, const QString& field);
    // Reads the bound field again.
    void reload();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QImage photo_;
    QPointer<db::Query> set_;
    QString field_;
    std::vector<QMetaObject::Connection> connections_;
};

}  // namespace tj::ui
