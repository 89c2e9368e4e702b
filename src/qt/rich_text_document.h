#pragma once

#include <QTextDocument>

#include "platform/rich_text.h"

namespace qt {
using namespace platform;

// Replaces the document's contents with the rich text. A list item shows its marker as text
// followed by a tab, hanging at the left of the item's text.
void FillDocument(QTextDocument& document, const RichText& text);

} // namespace qt
