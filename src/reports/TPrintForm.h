// The print window: a spreadsheet filled by PrintGridView (or opened from a
// file) that the user prints, previews, saves as spreadsheet, text or web
// page, opens in the desktop's spreadsheet program, or edits first.
#pragma once

#include "platform/sheet/SheetView.h"

#include <QDialog>
#include <functional>

class QAction;
class QMenu;

namespace tj::reports {

class TPrintForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintForm(QWidget* parent = nullptr);
    ~TPrintForm() override;

    // The window is created once and reused (application-modal when shown).
    static TPrintForm& instance(QWidget* parent = nullptr);

    sheet::Sheet& sheet() { return F1Book->sheet(); }
    sheet::SheetView* view() { return F1Book; }
    // Replaces the content with the file (template or any spreadsheet);
    // throws sheet::SheetError when it cannot be read.
    void loadTemplate(const QString& path);
    // Shows changes made to sheet() directly.
    void showSheet() { F1Book->refresh(); }
    // Shown maximised and modal; returns when closed.
    void showModal();

    QAction* action(const QString& text) const;  // a menu or tool-bar action by its text
    bool showPrintDialog() const;
    QString tempFileName() const { return tempFiles_.isEmpty() ? QString() : tempFiles_.last(); }
    QStringList tempFiles() const { return tempFiles_; }
    QString lastOpenedFile() const { return openedFile_; }

    // The save dialog: the chosen path and the index of the chosen filter
    // (0 spreadsheet, 1 text, 2 web page); an empty path when cancelled.
    // Replaceable in tests.
    std::function<std::pair<QString, int>()> saveDialog;
    // Opens a file with the desktop's program for it; replaceable in tests.
    std::function<bool(const QString&)> openExternally;
    // Prints the sheet; replaceable in tests (throws like SheetView::print).
    std::function<void(bool showDialog)> printer;

public slots:
    void BtnOpenClick();
    void BtnSaveClick();
    void BtnPrintClick();
    void BtnPreviewClick();
    void BtnExcelClick();
    // Writes the sheet; the extension follows the filter when the name has none.
    // Returns the path written.
    QString SaveAs(QString path, int filterIndex);
    void removeTempFiles();

protected:
    void showEvent(QShowEvent* e) override;
    void done(int r) override;

private:
    QAction* add(QMenu* menu, const QString& text, std::function<void()> slot);

    sheet::SheetView* F1Book = nullptr;
    QMenu* popup_ = nullptr;
    QAction* showDialogAction_ = nullptr;
    QAction* pasteAction_ = nullptr;
    QAction* pasteSpecialAction_ = nullptr;
    QStringList tempFiles_;
    QString openedFile_;
};

}  // namespace tj::reports
