// Navigation map: a picture of the centre's workflow with buttons that stand
// for menu entries.
#pragma once

#include <QWidget>
#include <functional>

class QToolButton;

namespace tj::app {

class TFNavigationMap : public QWidget {
    Q_OBJECT
public:
    struct Button {
        QString caption;
        QString code;   // menu entry it performs
        QPoint cell;    // column and row on the map
    };
    // The seventeen buttons in their order.
    static const QVector<Button>& Buttons();

    // entryVisible(code) tells whether the menu entry may be used;
    // perform(code) carries out its click.
    explicit TFNavigationMap(QWidget* parent = nullptr);
    std::function<bool(const QString& code)> entryVisible;
    std::function<bool(const QString& code)> entryEnabled;
    std::function<void(const QString& code)> perform;

    // The button's click: the menu entry if it is visible, otherwise the
    // "no permission" notice.
    void ButtonClick(const QString& code);
    QToolButton* button(const QString& caption) const;
    // Enables the buttons whose entries have a window.
    void refreshButtons();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect cellRect(QPoint cell) const;
    QList<QToolButton*> buttons_;
};

}  // namespace tj::app
