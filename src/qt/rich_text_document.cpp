#include "qt/rich_text_document.h"

#include <algorithm>

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

namespace qt {

namespace {

// Document lengths are laid out at 96 pixels per inch.
qreal Pixels(int twips) {
  return twips * 96.0 / 1440.0;
}

// A list item without an indent of its own hangs its marker this far.
constexpr int ListHangTwips = 360;

QTextCharFormat CharacterFormat(const CharFormat& f, const RichText& text) {
  QTextCharFormat q;
  q.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
  q.setFontItalic(f.italic);
  q.setFontUnderline(f.underline);
  q.setFontPointSize(f.halfPoints / 2.0);
  if (f.colour) q.setForeground(QColor::fromRgb(*f.colour));
  if (f.font >= 0 && static_cast<std::size_t>(f.font) < text.fonts.size())
    q.setFontFamilies({QString::fromStdString(text.fonts[f.font])});
  return q;
}

QTextBlockFormat BlockFormat(ParagraphFormat f, bool listItem) {
  if (listItem && f.firstLineIndent >= 0) {
    f.leftIndent += ListHangTwips;
    f.firstLineIndent = -ListHangTwips;
  }
  QTextBlockFormat q;
  static constexpr Qt::Alignment Alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                                 Qt::AlignJustify};
  q.setAlignment(Alignments[static_cast<int>(f.alignment)]);
  const int left = std::max(0, f.leftIndent);
  // A first line hanging out of the page would not be seen.
  const int indent = std::max(-left, f.firstLineIndent);
  q.setLeftMargin(Pixels(left));
  q.setRightMargin(Pixels(std::max(0, f.rightIndent)));
  q.setTextIndent(Pixels(indent));
  q.setTopMargin(Pixels(f.spaceBefore));
  q.setBottomMargin(Pixels(f.spaceAfter));
  // Tab stops count from the page's edge, Qt's from where the line starts: the first line's
  // start is where tabs matter. A hanging first line tabs to the paragraph's indent even
  // without a stop there.
  std::vector<int> stops = f.tabStops;
  if (indent < 0) stops.push_back(left);
  std::sort(stops.begin(), stops.end());
  stops.erase(std::unique(stops.begin(), stops.end()), stops.end());
  const int firstLine = left + indent;
  QList<QTextOption::Tab> tabs;
  for (int stop : stops)
    if (stop > firstLine)
      tabs.append(QTextOption::Tab(Pixels(stop - firstLine), QTextOption::LeftTab));
  q.setTabPositions(tabs);
  return q;
}

QString Text(const std::string& utf8) {
  QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  text.replace(QLatin1Char('\n'), QChar::LineSeparator);
  return text;
}

} // namespace

void FillDocument(QTextDocument& document, const RichText& text) {
  document.clear();
  QTextCursor cursor(&document);
  // One edit: the document lays itself out once at the end, not after every run, which would
  // take quadratic time over a long paragraph.
  cursor.beginEditBlock();
  const std::vector<std::string> markers = ListMarkers(text);
  for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
    const Paragraph& p = text.paragraphs[i];
    const QTextBlockFormat block = BlockFormat(p.format, !markers[i].empty());
    const QTextCharFormat mark = CharacterFormat(p.mark, text);
    if (i == 0) {
      cursor.setBlockFormat(block);
      cursor.setBlockCharFormat(mark);
    } else {
      cursor.insertBlock(block, mark);
    }
    if (!markers[i].empty())
      cursor.insertText(Text(markers[i] + "\t"),
                        p.runs.empty() ? mark : CharacterFormat(p.runs.front().format, text));
    for (const TextRun& run : p.runs)
      cursor.insertText(Text(run.text), CharacterFormat(run.format, text));
  }
  cursor.endEditBlock();
}

} // namespace qt
