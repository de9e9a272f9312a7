#include "app/TFNavigationMap.h"

#include "platform/ui/Dialogs.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <cmath>

namespace tj::app {

namespace {
// The map is laid out on a grid of 6 columns and 5 rows: the group road on
// the first row, the individual road on the second, the doctors and the
// chief examiner in the middle, the cashier and the reports at the end.
constexpr int kColumns = 6;
constexpr int kRows = 5;

QIcon buttonIcon(const QString& caption, const QColor& color)
{
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(color);
    p.setPen(QPen(color.darker(140), 2));
    p.drawRoundedRect(QRectF(3, 3, 42, 42), 9, 9);
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(22);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(3, 3, 42, 42), Qt::AlignCenter, caption.left(1));
    return QIcon(pm);
}
}  // namespace

const QVector<TFNavigationMap::Button>& TFNavigationMap::Buttons()
{
    static const QVector<Button> buttons = {
        {QStringLiteral("建立单位"), QStringLiteral("0101"), {0, 0}},
        {QStringLiteral("单位套餐"), QStringLiteral("0102"), {1, 0}},
        {QStringLiteral("团检登记"), QStringLiteral("0104"), {2, 0}},
        {QStringLiteral("批量打印导检单"), QStringLiteral("0110"), {3, 0}},
        {QStringLiteral("批量打印申请单"), QStringLiteral("0112"), {4, 0}},
        {QStringLiteral("照片采集"), QStringLiteral("0115"), {5, 1}},
        {QStringLiteral("散检登记"), QStringLiteral("0105"), {2, 2}},
        {QStringLiteral("打印导检单"), QStringLiteral("0111"), {3, 2}},
        {QStringLiteral("打印申请单"), QStringLiteral("0113"), {4, 2}},
        {QStringLiteral("分科数据录入"), QStringLiteral("0201"), {4, 3}},
        {QStringLiteral("集中数据录入"), QStringLiteral("0202"), {5, 3}},
        {QStringLiteral("总检报告"), QStringLiteral("0301"), {5, 4}},
        {QStringLiteral("收费员日结"), QStringLiteral("0501"), {0, 3}},
        {QStringLiteral("体检人员列表"), QStringLiteral("0406"), {1, 4}},
        {QStringLiteral("体检报告查询"), QStringLiteral("0407"), {4, 4}},
        {QStringLiteral("科室医生工作量"), QStringLiteral("0506"), {2, 4}},
        {QStringLiteral("体检数据汇总"), QStringLiteral("0408"), {3, 4}},
    };
    return buttons;
}

TFNavigationMap::TFNavigationMap(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("导航图"));
    setAutoFillBackground(false);
    const QList<QColor> colors = {QColor(33, 118, 194), QColor(39, 153, 110), QColor(214, 122, 30),
                                  QColor(150, 80, 180), QColor(200, 60, 70)};
    for (const Button& b : Buttons()) {
        auto* tb = new QToolButton(this);
        tb->setText(b.caption);
        tb->setObjectName(b.code);
        tb->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        tb->setIcon(buttonIcon(b.caption, colors[b.cell.y() % colors.size()]));
        tb->setIconSize(QSize(48, 48));
        tb->setAutoRaise(true);
        tb->setFixedSize(120, 84);
        tb->setStyleSheet(QStringLiteral("QToolButton{font-size:13px;color:#103050}"
                                         "QToolButton:hover{background:rgba(255,255,255,160);border-radius:6px}"));
        const QString code = b.code;
        connect(tb, &QToolButton::clicked, this, [this, code] { ButtonClick(code); });
        buttons_ << tb;
    }
}

QToolButton* TFNavigationMap::button(const QString& caption) const
{
    for (QToolButton* b : buttons_)
        if (b->text() == caption)
            return b;
    return nullptr;
}

void TFNavigationMap::refreshButtons()
{
    for (QToolButton* b : buttons_)
        b->setEnabled(!entryEnabled || entryEnabled(b->objectName()) || !(entryVisible && entryVisible(b->objectName())));
}

void TFNavigationMap::ButtonClick(const QString& code)
{
    if (entryVisible && entryVisible(code)) {
        if (perform)
            perform(code);
        return;
    }
    ui::Dialogs::instance().message(QStringLiteral("对不起，无此权限！"));
}

QRect TFNavigationMap::cellRect(QPoint cell) const
{
    const int w = width() / kColumns;
    const int h = (height() - 60) / kRows;
    return QRect(cell.x() * w, 60 + cell.y() * h, w, h);
}

void TFNavigationMap::resizeEvent(QResizeEvent*)
{
    for (int i = 0; i < buttons_.size(); ++i) {
        const QRect r = cellRect(Buttons()[i].cell);
        buttons_[i]->move(r.center() - QPoint(buttons_[i]->width() / 2, buttons_[i]->height() / 2));
    }
}

void TFNavigationMap::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(236, 244, 252));
    g.setColorAt(1, QColor(205, 224, 244));
    p.fillRect(rect(), g);

    QFont title(QStringLiteral("Noto Sans CJK SC"));
    title.setPixelSize(22);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(20, 60, 110));
    p.drawText(QRect(0, 10, width(), 40), Qt::AlignCenter, QStringLiteral("体检业务流程导航图"));

    // Lanes: group check-ups, individual check-ups, examination, reports.
    QFont laneFont(QStringLiteral("Noto Sans CJK SC"));
    laneFont.setPixelSize(13);
    p.setFont(laneFont);
    const QStringList lanes = {QStringLiteral("团体体检"), QStringLiteral(""), QStringLiteral("个人体检"),
                               QStringLiteral("科室检查与收费"), QStringLiteral("统计与报告")};
    for (int row = 0; row < kRows; ++row) {
        const QRect r = cellRect({0, row}).united(cellRect({kColumns - 1, row})).adjusted(6, 4, -6, -4);
        if (row % 2 == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 90));
            p.drawRoundedRect(r, 10, 10);
        }
        p.setPen(QColor(90, 120, 160));
        p.drawText(r.adjusted(10, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, lanes[row]);
    }

    // Arrows along the road of a visit.
    const QVector<QPair<QString, QString>> flow = {
        {QStringLiteral("0101"), QStringLiteral("0102")}, {QStringLiteral("0102"), QStringLiteral("0104")},
        {QStringLiteral("0104"), QStringLiteral("0110")}, {QStringLiteral("0110"), QStringLiteral("0112")},
        {QStringLiteral("0112"), QStringLiteral("0115")}, {QStringLiteral("0105"), QStringLiteral("0111")},
        {QStringLiteral("0111"), QStringLiteral("0113")}, {QStringLiteral("0113"), QStringLiteral("0115")},
        {QStringLiteral("0115"), QStringLiteral("0202")}, {QStringLiteral("0113"), QStringLiteral("0201")},
        {QStringLiteral("0201"), QStringLiteral("0202")}, {QStringLiteral("0202"), QStringLiteral("0301")},
        {QStringLiteral("0301"), QStringLiteral("0407")}, {QStringLiteral("0105"), QStringLiteral("0501")}};
    auto centreOf = [&](const QString& code) {
        for (const Button& b : Buttons())
            if (b.code == code)
                return QPointF(cellRect(b.cell).center());
        return QPointF();
    };
    p.setPen(QPen(QColor(60, 110, 170), 2.5));
    p.setBrush(QColor(60, 110, 170));
    for (const auto& [from, to] : flow) {
        QPointF a = centreOf(from), b = centreOf(to);
        const QPointF d = b - a;
        const double len = std::hypot(d.x(), d.y());
        if (len < 1)
            continue;
        const QPointF u = d / len;
        a += u * 52;
        b -= u * 52;
        p.drawLine(a, b);
        const QPointF n(-u.y(), u.x());
        QPolygonF head;
        head << b << b - u * 12 + n * 6 << b - u * 12 - n * 6;
        p.drawPolygon(head);
    }
}

}  // namespace tj::app
