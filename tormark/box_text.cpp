#include "box_text.h"

#include <QStringDecoder>

namespace tormark {

QString BoxText(const std::string& text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    return utf8.hasError() ? QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()))
                           : decoded;
}

std::string SessionText(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF) return text.toStdString();
    return text.toLatin1().toStdString();
}

}  // namespace tormark
