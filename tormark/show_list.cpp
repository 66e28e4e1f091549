#include "show_list.h"

#include <QFontDatabase>
#include <QKeyEvent>

#include "twips.h"

namespace tormark {

namespace {
constexpr int kClientWidth = 12465;
constexpr int kClientHeight = 6645;

// Lucida Console where it exists, otherwise the system's fixed-pitch font: the lines are
// columns of a text file and only line up in a fixed-pitch font.
QFont ListFont() {
    QFont font("Lucida Console");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    font.setPointSize(9);
    return font;
}
}  // namespace

ShowList::ShowList(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("ShowList");
    setWindowTitle(QString());
    setFixedSize(TwipsSize(kClientWidth, kClientHeight));

    PR = new QListWidget(this);
    PR->setObjectName("PR");
    PR->setFont(ListFont());
    PR->setGeometry(TwipsRect(120, 120, 12255, 5670));

    OK = new QPushButton("OK", this);
    OK->setObjectName("OK");
    OK->setGeometry(TwipsRect(240, 6000, 975, 375));
    OK->setDefault(true);
    OK->hide();

    connect(OK, &QPushButton::clicked, this, &ShowList::Pick);
    connect(PR, &QListWidget::itemDoubleClicked, this, &ShowList::Pick);
}

void ShowList::Fill(const QStringList& items) {
    PR->clear();
    PR->addItems(items);
    OK->show();
    show();
}

QString ShowList::SelectedLine() const {
    const QListWidgetItem* item = PR->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void ShowList::Pick() {
    emit picked(SelectedLine());
}

void ShowList::keyPressEvent(QKeyEvent* event) {
    // OK is the default button: Enter picks the selected line.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && OK->isVisible()) {
        OK->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace tormark
