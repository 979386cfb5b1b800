#pragma once

// Reading the PDF files the tests write, with poppler-utils.
#include <QImage>
#include <QString>
#include <QStringList>

// Runs a program; its standard output (empty when it cannot start or fails). status: the
// exit status, -1 when it did not run.
QString RunProgram(const QString& program, const QStringList& args, int* status = nullptr,
                   QString* errorText = nullptr);
// The text of a PDF page (pdftotext -layout).
QString PdfText(const QString& pdf);
// The first page rasterised in grey at dpi dots per inch (pdftoppm -gray).
QImage PdfPage(const QString& pdf, int dpi);
// "Page size: 595.276 x 841.89 pts (A4)" from pdfinfo.
QString PdfPageSize(const QString& pdf);
// Fonts of the file (pdffonts), one line each.
QString PdfFonts(const QString& pdf);
// The darkest grey level (0 black .. 255 white) within radius pixels of (x, y).
int DarkestNear(const QImage& grey, double x, double y, int radius);
