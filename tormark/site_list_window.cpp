#include "site_list_window.h"

#include <QKeyEvent>

#include "fixed_pitch_font.h"
#include "twips.h"

namespace tormark {

namespace {
constexpr int kClientWidth = 12465;
constexpr int kClientHeight = 6645;

// The lines are columns of a text file and only line up in a fixed-pitch font: Lucida Console
// where it exists, as designed, otherwise another family that measures fixed pitch.
constexpr int kListPointSize = 9;

QFont ListFont() {
    return FixedPitchFont({"Lucida Console"}, kListPointSize);
}
}  // namespace

SiteListWindow::SiteListWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("ShowList");
    setWindowTitle(QString());
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));

    lines_ = new QListWidget(this);
    lines_->setObjectName("PR");
    lines_->setFont(ListFont());
    lines_->setGeometry(TwipsRect(120, 120, 12255, 5670));

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OK");
    ok_->setGeometry(TwipsRect(240, 6000, 975, 375));
    ok_->setDefault(true);
    ok_->hide();

    connect(ok_, &QPushButton::clicked, this, &SiteListWindow::Pick);
    connect(lines_, &QListWidget::itemDoubleClicked, this, &SiteListWindow::Pick);
}

void SiteListWindow::Fill(const QStringList& items) {
    lines_->clear();
    lines_->addItems(items);
    ok_->show();
    show();
}

QString SiteListWindow::SelectedLine() const {
    const QListWidgetItem* item = lines_->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void SiteListWindow::Pick() {
    emit picked(SelectedLine());
}

void SiteListWindow::keyPressEvent(QKeyEvent* event) {
    // OK is the default button: Enter picks the selected line.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && ok_->isVisible()) {
        ok_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tormark
