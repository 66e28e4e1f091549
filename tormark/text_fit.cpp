#include "text_fit.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace tormark {

namespace {

// A line edit keeps 2 pixels blank on each side of its text and 1 above and below, and its
// cursor takes one more pixel after the last character (QLineEdit's own margins).
constexpr int kLineEditSideMargin = 2;
constexpr int kLineEditTopMargin = 1;
constexpr int kCursorWidth = 1;

// Wrapped captions do not grow in proportion to their button; such a layout grows by this step
// until the caption fits.
constexpr double kWrapGrowthStep = 1.03;
// The layout stops growing after this many rounds (each round at least one step).
constexpr int kMaxRounds = 40;

QRect LineEditRoom(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.rect();
    option.lineWidth = edit.hasFrame()
                           ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit)
                           : 0;
    QRect r = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    r = r.marginsRemoved(edit.textMargins());
    return r.adjusted(kLineEditSideMargin, kLineEditTopMargin, -kLineEditSideMargin - kCursorWidth,
                      -kLineEditTopMargin);
}

QRect ButtonRoom(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    if (button.isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    QRect r = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    // The picture sits above the caption (WrapButton).
    if (!button.icon().isNull()) r.setTop(r.top() + button.iconSize().height() + 1);
    return r;
}

QRect CheckBoxRoom(const QCheckBox& box) {
    QStyleOptionButton option;
    option.initFrom(&box);
    option.rect = box.rect();
    return box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box);
}

// The text as drawn: an access-key ampersand is not shown ("&&" shows one).
QString Shown(const QWidget& control, QString text) {
    if (qobject_cast<const QPushButton*>(&control) || qobject_cast<const QCheckBox*>(&control)) {
        text.replace("&&", QString(QChar(0x1)));
        text.remove('&');
        text.replace(QChar(0x1), "&");
    }
    return text;
}

}  // namespace

QRect TextRoom(const QWidget& control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) return LineEditRoom(*edit);
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) return ButtonRoom(*button);
    if (const auto* box = qobject_cast<const QCheckBox*>(&control)) return CheckBoxRoom(*box);
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const int inset = label->margin() + std::max(label->indent(), 0);
        return label->contentsRect().adjusted(inset, label->margin(), -inset, -label->margin());
    }
    return control.contentsRect();
}

bool TextFits(const QWidget& control, const QString& text) {
    const QFontMetrics metrics(control.font());
    const QRect room = TextRoom(control);
    if (qobject_cast<const QPushButton*>(&control)) {
        const QRect used = metrics.boundingRect(
            room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text);
        return room.contains(used);
    }
    return metrics.horizontalAdvance(Shown(control, text)) <= room.width() &&
           metrics.height() <= room.height();
}

LayoutFit::LayoutFit(QWidget& window) : window_(window) {
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        designed_.insert(child, child->geometry());
}

QRect LayoutFit::Grown(const QRect& designed) const {
    const int left = static_cast<int>(std::lround(designed.x() * growth_.width()));
    const int top = static_cast<int>(std::lround(designed.y() * growth_.height()));
    return QRect(left, top, GrownWidth(designed.width()), GrownHeight(designed.height()));
}

int LayoutFit::GrownWidth(int designed) const {
    return static_cast<int>(std::lround(designed * growth_.width()));
}

int LayoutFit::GrownHeight(int designed) const {
    return static_cast<int>(std::lround(designed * growth_.height()));
}

void LayoutFit::Apply() {
    for (auto it = designed_.cbegin(); it != designed_.cend(); ++it)
        it.key()->setGeometry(Grown(it.value()));
}

QSizeF LayoutFit::Fit(const std::vector<ControlTexts>& needs) {
    growth_ = QSizeF(1.0, 1.0);
    Apply();
    for (int round = 0; round < kMaxRounds; ++round) {
        QSizeF wanted = growth_;
        bool allFit = true;
        for (const ControlTexts& need : needs) {
            QWidget& control = *need.control;
            const QRect designed = designed_.value(&control, control.geometry());
            const QFontMetrics metrics(control.font());
            const QRect room = TextRoom(control);
            for (const QString& text : need.texts) {
                if (TextFits(control, text)) continue;
                allFit = false;
                if (qobject_cast<const QPushButton*>(&control)) {
                    wanted = wanted.expandedTo(growth_ * kWrapGrowthStep);
                    continue;
                }
                // The frame and margins stay as they are; the room must grow by what is missing.
                const int missingAcross =
                    metrics.horizontalAdvance(Shown(control, text)) - room.width();
                const int missingDown = metrics.height() - room.height();
                if (missingAcross > 0 && designed.width() > 0)
                    wanted.setWidth(
                        std::max(wanted.width(),
                                 (control.width() + missingAcross + 0.5) / designed.width()));
                if (missingDown > 0 && designed.height() > 0)
                    wanted.setHeight(
                        std::max(wanted.height(),
                                 (control.height() + missingDown + 0.5) / designed.height()));
            }
        }
        if (allFit) break;
        // Rounding can leave a control a pixel short of what was asked: always move on a little.
        growth_ = wanted.expandedTo(growth_ * 1.002);
        Apply();
    }
    return growth_;
}

}  // namespace tormark
