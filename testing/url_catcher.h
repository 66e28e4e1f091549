// Catching the addresses a program hands to the desktop, so that no test opens a browser.
#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace qttest {

// Install with QDesktopServices::setUrlHandler(scheme, &catcher, "Open") and remove again with
// unsetUrlHandler; every address opened meanwhile lands in `urls`.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    QList<QUrl> urls;
  public slots:
    void Open(const QUrl& url) { urls << url; }
};

}  // namespace qttest
