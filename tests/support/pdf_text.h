// The text of a PDF as pdftotext -layout reads it: one entry per line that
// holds anything, its words joined by single spaces (pdftotext guesses the
// gaps between words, so only the words are compared).
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>

namespace qm::test {

QStringList PdfWords(const QString& pdf);

// The same for lines of text: empty lines dropped, runs of spaces made one.
QStringList Words(const QStringList& lines);

// The number of pages of the PDF (pdfinfo); 0 when it cannot be read.
int PdfPageCount(const QString& pdf);

// Where the first word equal to word lies on page 1, in points from the
// sheet's top-left corner (pdftotext -bbox); empty when it is not there.
QRectF PdfWordBox(const QString& pdf, const QString& word);

// Saves a picture of the PDF's first page as $QM_SCREENS_DIR/name.png, when
// that folder is set.
void SavePdfPicture(const QString& pdf, const QString& name);

}  // namespace qm::test
