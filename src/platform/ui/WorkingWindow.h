// A working window of the program: created on first use and shown modally
// again and again. It opens the data sets it declares each time it is shown
// and closes them whenever it closes, however it is closed; FormShow and
// FormClose add what a window does beyond that.
#pragma once

#include <QDialog>
#include <QPointer>
#include <initializer_list>
#include <vector>

namespace tj::db {
class Query;
}

namespace tj::ui {

class WorkingWindow : public QDialog {
    Q_OBJECT
public:
    explicit WorkingWindow(QWidget* parent = nullptr);

    // Data sets opened (closed first when open) in the order given each
    // time the window is shown, before FormShow, and closed when it closes,
    // after FormClose. Lookup lists first, the window's main set last.
    void openOnShow(std::initializer_list<db::Query*> sets);
    // Data sets the window opens itself (results, working tables), closed when it closes.
    void closeOnClose(std::initializer_list<db::Query*> sets);
    const std::vector<QPointer<db::Query>>& dataSets() const { return sets_; }

public slots:
    virtual void FormShow() {}
    virtual void FormClose() {}

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    std::vector<QPointer<db::Query>> sets_;
    std::vector<QPointer<db::Query>> closeOnly_;
};

}  // namespace tj::ui
