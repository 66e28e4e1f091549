#include "wrap_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tormark {

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const QRect place(area.center().x() - size.width() / 2, area.top(), size.width(),
                          size.height());
        icon().paint(&painter, place, Qt::AlignCenter,
                     isEnabled() ? QIcon::Normal : QIcon::Disabled);
        area.setTop(place.bottom() + 1);
    }
    const QPalette::ColorRole role = QPalette::ButtonText;
    style()->drawItemText(&painter, area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                          palette(), isEnabled(), text(), role);
}

}  // namespace tormark
