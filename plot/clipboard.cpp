#include "plot/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "plot/gui_application.h"

namespace plot {

void ClearClipboard() {
    EnsureGuiApplication();
    QGuiApplication::clipboard()->clear();
}

void SetClipboardText(const std::string& text) {
    EnsureGuiApplication();
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string ClipboardText() {
    EnsureGuiApplication();
    return QGuiApplication::clipboard()->text().toStdString();
}

}  // namespace plot
