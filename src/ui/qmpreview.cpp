#include "ui/qmpreview.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/access.h"
#include "ui/controls.h"
#include "ui/guard.h"

namespace qm {

namespace {

QToolButton* MakeTool(QWidget* parent, const char* name, const char* caption) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(QString::fromLatin1(caption));
  button->setAutoRaise(true);
  return button;
}

}  // namespace

TPrintPreviewDlg::TPrintPreviewDlg(QPrinter& printer, std::function<void(QPrinter&)> draw,
                                   QWidget* parent)
    : QDialog(parent), draw_(std::move(draw)) {
  setObjectName(QStringLiteral("PrintPreviewDlg"));
  setWindowTitle(QStringLiteral("Print Preview"));
  setModal(true);

  ZoomInButton = MakeTool(this, "ZoomInButton", "Zoom In");
  ZoomOutButton = MakeTool(this, "ZoomOutButton", "Zoom Out");
  FitWidthButton = MakeTool(this, "FitWidthButton", "Fit Width");
  FitPageButton = MakeTool(this, "FitPageButton", "Whole Page");
  FirstPageButton = MakeTool(this, "FirstPageButton", "|<");
  FirstPageButton->setToolTip(QStringLiteral("First Page"));
  FirstPageButton->setAccessibleName(QStringLiteral("First Page"));
  PriorPageButton = MakeTool(this, "PriorPageButton", "<");
  PriorPageButton->setToolTip(QStringLiteral("Previous Page"));
  PriorPageButton->setAccessibleName(QStringLiteral("Previous Page"));
  PageLabel = new QLabel(QStringLiteral("&Page:"), this);
  PageLabel->setObjectName(QStringLiteral("PageLabel"));
  PageField = new QSpinBox(this);
  PageField->setObjectName(QStringLiteral("PageField"));
  PageField->setRange(1, 1);
  NameByLabel(PageLabel, PageField);
  PageCountLabel = new QLabel(QStringLiteral("of 1"), this);
  PageCountLabel->setObjectName(QStringLiteral("PageCountLabel"));
  NextPageButton = MakeTool(this, "NextPageButton", ">");
  NextPageButton->setToolTip(QStringLiteral("Next Page"));
  NextPageButton->setAccessibleName(QStringLiteral("Next Page"));
  LastPageButton = MakeTool(this, "LastPageButton", ">|");
  LastPageButton->setToolTip(QStringLiteral("Last Page"));
  LastPageButton->setAccessibleName(QStringLiteral("Last Page"));

  Preview = new QPrintPreviewWidget(&printer, this);
  Preview->setObjectName(QStringLiteral("Preview"));
  SetSpokenName(Preview, QStringLiteral("Pages"));
  Preview->setViewMode(QPrintPreviewWidget::SinglePageView);
  Preview->fitInView();

  PrintButton = MakeButton(this, QStringLiteral("PrintButton"), QStringLiteral("Print"), QRect(),
                           EnterKey::Default);
  CancelButton = MakeButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"), QRect(),
                            EnterKey::Ignored);

  auto* tools = new QHBoxLayout;
  for (QWidget* tool : std::initializer_list<QWidget*>{
           ZoomInButton, ZoomOutButton, FitWidthButton, FitPageButton, FirstPageButton,
           PriorPageButton, PageLabel, PageField, PageCountLabel, NextPageButton, LastPageButton})
    tools->addWidget(tool);
  tools->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(PrintButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(tools);
  layout->addWidget(Preview, 1);
  layout->addLayout(buttons);

  // A page of Letter at a readable size, within the screen.
  QSize size(700, 860);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
  resize(size);

  connect(Preview, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* on) { PaintRequest(on); });
  connect(Preview, &QPrintPreviewWidget::previewChanged, this,
          Guarded([this] { PreviewChange(); }));
  connect(ZoomInButton, &QToolButton::clicked, Preview, [this] { Preview->zoomIn(); });
  connect(ZoomOutButton, &QToolButton::clicked, Preview, [this] { Preview->zoomOut(); });
  connect(FitWidthButton, &QToolButton::clicked, Preview, [this] { Preview->fitToWidth(); });
  connect(FitPageButton, &QToolButton::clicked, Preview, [this] { Preview->fitInView(); });
  // The widget does not report a page change it was asked for.
  connect(FirstPageButton, &QToolButton::clicked, this, Guarded([this] { GoToPage(1); }));
  connect(PriorPageButton, &QToolButton::clicked, this,
          Guarded([this] { GoToPage(Preview->currentPage() - 1); }));
  connect(NextPageButton, &QToolButton::clicked, this,
          Guarded([this] { GoToPage(Preview->currentPage() + 1); }));
  connect(LastPageButton, &QToolButton::clicked, this,
          Guarded([this] { GoToPage(Preview->pageCount()); }));
  connect(PageField, &QSpinBox::valueChanged, this, Guarded([this] { PageFieldChange(); }));
  connect(PrintButton, &QPushButton::clicked, this, Guarded([this] { PrintButtonClick(); }));
  connect(CancelButton, &QPushButton::clicked, this, Guarded([this] { CancelButtonClick(); }));
  PrintButton->setFocus();
}

void TPrintPreviewDlg::PaintRequest(QPrinter* printer) {
  if (printer && draw_) draw_(*printer);
}

void TPrintPreviewDlg::PreviewChange() {
  const int count = std::max(Preview->pageCount(), 1);
  const QSignalBlocker quiet(PageField);
  PageField->setRange(1, count);
  PageField->setValue(std::clamp(Preview->currentPage(), 1, count));
  PageCountLabel->setText(QStringLiteral("of %1").arg(count));
}

void TPrintPreviewDlg::GoToPage(int page) {
  Preview->setCurrentPage(std::clamp(page, 1, std::max(Preview->pageCount(), 1)));
  PreviewChange();
}

void TPrintPreviewDlg::PageFieldChange() { GoToPage(PageField->value()); }

void TPrintPreviewDlg::PrintButtonClick() { accept(); }

void TPrintPreviewDlg::CancelButtonClick() { reject(); }

}  // namespace qm
