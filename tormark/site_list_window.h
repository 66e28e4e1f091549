#pragma once

// The pick list of database lines filled by "&Lookup Database". OK or a double click on a line
// hands the chosen line to the main window.

#include <QListWidget>
#include <QPushButton>
#include <QWidget>

namespace tormark {

class SiteListWindow : public QWidget {
    Q_OBJECT
  public:
    explicit SiteListWindow(QWidget* parent = nullptr);

    // Replaces the items, shows OK and the window.
    void Fill(const QStringList& items);
    // The selected line, or "" when none is selected.
    QString SelectedLine() const;

  signals:
    void picked(const QString& line);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void Pick();

    QListWidget* lines_;  // PR: the database lines, in a fixed-pitch font
    QPushButton* ok_;     // OK
};

}  // namespace tormark
