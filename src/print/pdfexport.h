#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

class PrintJob;
class QPainter;

// The page of a job: A4 (or the given size), portrait or across as the job prefers, margins
// of 12 mm.
QPageLayout PrintPageLayout(const PrintJob& job, const QPageSize& size = QPageSize(QPageSize::A4));

// Draws job on a painter already begun on a paged device of that layout and resolution
// (dots per inch): the painter's origin is the printable area's top left.
void PaintJob(const PrintJob& job, QPainter& painter, const QPageLayout& layout, int resolution);

// Writes job as a one-page PDF to path through a temporary file in the same folder, renamed
// over path only once the whole file is written; nothing is left behind on failure. Text
// stays text, with the fonts embedded. False with a Korean message in error.
bool WritePdf(const PrintJob& job, const QString& path, QString* error,
              const QPageSize& size = QPageSize(QPageSize::A4));
