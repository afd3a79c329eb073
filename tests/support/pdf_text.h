// The text of a PDF as pdftotext -layout reads it: one entry per line that
// holds anything, its words joined by single spaces (pdftotext guesses the
// gaps between words, so only the words are compared).
#pragma once

#include <QString>
#include <QStringList>

namespace qm::test {

// options go to pdftotext (a page: -f 2 -l 2; an area in points: -x -y -W -H).
QStringList PdfWords(const QString& pdf, const QStringList& options = {});

// The same for lines of text: empty lines dropped, runs of spaces made one.
QStringList Words(const QStringList& lines);

// The number of pages of the PDF (pdfinfo); 0 when it cannot be read.
int PdfPageCount(const QString& pdf);

// Saves a picture of the PDF's first page as $QM_SCREENS_DIR/name.png, when
// that folder is set.
void SavePdfPicture(const QString& pdf, const QString& name);

}  // namespace qm::test
