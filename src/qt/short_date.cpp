#include "qt/short_date.h"

#include <QDate>
#include <QLocale>

namespace qt {

LocalDate TodayLocal() {
  const QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

std::string ShortDatePattern() {
  return QLocale::system().dateFormat(QLocale::ShortFormat).toStdString();
}

} // namespace qt
