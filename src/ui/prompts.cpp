#include "ui/prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "ui/qm2choic.h"
#include "ui/qmcrddet.h"
#include "ui/qmpreview.h"

namespace qm {

namespace {

std::unique_ptr<Prompts>& Installed() {
  static std::unique_ptr<Prompts> prompts = std::make_unique<QtPrompts>();
  return prompts;
}

QMessageBox::StandardButton Box(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
  box.setWindowModality(Qt::ApplicationModal);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString& Title() {
  static QString title;
  return title;
}

}  // namespace

void SetProgramTitle(const QString& title) { Title() = title; }

QString ProgramTitle() { return Title().isEmpty() ? QApplication::applicationName() : Title(); }

Prompts& CurrentPrompts() { return *Installed(); }

std::unique_ptr<Prompts> SetPrompts(std::unique_ptr<Prompts> prompts) {
  if (!prompts) prompts = std::make_unique<QtPrompts>();
  std::swap(Installed(), prompts);
  return prompts;
}

void QtPrompts::Warning(const QString& text) {
  Box(QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok);
}

bool QtPrompts::ConfirmYesNo(const QString& text) {
  return Box(QMessageBox::Question, QStringLiteral("Confirm"), text,
             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompts::WarningYesNo(const QString& text) {
  return Box(QMessageBox::Warning, QStringLiteral("Warning"), text,
             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtPrompts::ConfirmYesNoCancel(const QString& text) {
  switch (Box(QMessageBox::Question, QStringLiteral("Confirm"), text,
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

void QtPrompts::Message(const QString& text) {
  Box(QMessageBox::NoIcon, ProgramTitle(), text, QMessageBox::Ok);
}

int QtPrompts::TwoChoice(const QString& caption, const QString& question, const QString& button1,
                         const QString& button2) {
  TTwoChoiceDlg dialog(QApplication::activeWindow());
  dialog.Prime(caption, question, button1, button2);
  return dialog.exec();
}

int QtPrompts::CardsOnFirstSheet() {
  TPrintHdcpDetails dialog(QApplication::activeWindow());
  dialog.exec();
  return dialog.CardsOnFirstSheet();
}

bool QtPrompts::SelectPrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}

bool QtPrompts::PrintPreview(QPrinter& printer, const std::function<void(QPrinter&)>& draw) {
  TPrintPreviewDlg dialog(printer, draw, QApplication::activeWindow());
  return dialog.exec() == QDialog::Accepted;
}

QString QtPrompts::SaveFileName(const QString& caption, const QString& proposedPath,
                                const QString& filter) {
  return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, proposedPath, filter);
}

QString QtPrompts::OpenFileName(const QString& caption, const QString& folder,
                                const QString& filter) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

}  // namespace qm
