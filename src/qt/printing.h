#pragma once

#include <QImage>
#include <QPrinter>
#include <QWidget>

namespace qt {

// Prints the picture alone on one page, as large as the page allows with its proportions kept.
void PrintPicture(const QImage& picture, QPrinter& printer);

// The system's print dialog, which also offers printing to a PDF file; true when the player
// chose to print.
bool AskPrinter(QPrinter& printer, QWidget* parent);

} // namespace qt
