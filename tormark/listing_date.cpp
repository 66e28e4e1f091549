#include "listing_date.h"

#include <QDate>
#include <QLocale>
#include <QString>

namespace tormark {

std::string TodayText() {
    // The separator is the first character of the locale's short date format that is not part
    // of a field ("dd/MM/yyyy" gives "/", "dd.MM.yyyy" gives ".").
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    QString separator = "/";
    for (const QChar c : format) {
        if (!c.isLetter()) {
            separator = c;
            break;
        }
    }
    const QDate today = QDate::currentDate();
    auto padded = [](int value, int width) {
        return QString::number(value).rightJustified(width, '0');
    };
    return (padded(today.year(), 4) + separator + padded(today.month(), 2) + separator +
            padded(today.day(), 2))
        .toStdString();
}

}  // namespace tormark
