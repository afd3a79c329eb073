// The print preview: the pages of a job on the printer the user chose, drawn
// by the same code that prints them, with zoom and page navigation, and
// Print (the default button) or Cancel. Callers ask through the prompts
// layer (CurrentPrompts().PrintPreview), which makes a new dialog each time.
//
//   TPrintPreviewDlg dialog(printer, [&](QPrinter& on) { ... draw the pages ... });
//   if (dialog.exec() == QDialog::Accepted) ... print ...
//
// draw is called with the printer the preview paints on whenever the preview
// needs its pages (first when the dialog is shown); it must not throw.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace qm {

class TPrintPreviewDlg : public QDialog {
  Q_OBJECT

 public:
  // printer outlives the dialog.
  TPrintPreviewDlg(QPrinter& printer, std::function<void(QPrinter&)> draw,
                   QWidget* parent = nullptr);

  void PrintButtonClick();
  void CancelButtonClick();
  void PageFieldChange();
  // Shows page (clamped to the pages there are) and updates the page field.
  void GoToPage(int page);
  // The page count and the current page after the preview changed.
  void PreviewChange();

 private:
  QToolButton* ZoomInButton;
  QToolButton* ZoomOutButton;
  QToolButton* FitWidthButton;
  QToolButton* FitPageButton;
  QToolButton* FirstPageButton;
  QToolButton* PriorPageButton;
  QLabel* PageLabel;
  QSpinBox* PageField;
  QLabel* PageCountLabel;
  QToolButton* NextPageButton;
  QToolButton* LastPageButton;
  QPrintPreviewWidget* Preview;
  QPushButton* PrintButton;
  QPushButton* CancelButton;

  void PaintRequest(QPrinter* printer);

  std::function<void(QPrinter&)> draw_;
};

}  // namespace qm
