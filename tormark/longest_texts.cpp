#include "longest_texts.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "box_text.h"
#include "display_texts.h"
#include "geodesy/position_input.h"
#include "real_time_gps.h"
#include "site_session.h"

namespace tormark {

namespace {

// 8 is the widest digit and W the widest capital in the window fonts; the longest texts are
// made of them.

// Cell sizes reach 5 digits (a 4-character locator is about 110 km by 111 km).
QStringList CellSizes() {
    return {BoxText(CellSizeText(8888)), BoxText(CellSizeText(88888)),
            BoxText(std::string(kUnknownSize))};
}

// The 10-digit reference that every latitude/longitude and GPS fix produces.
QStringList GridRefs() {
    return {"NW88888 88888", BoxText(std::string(kLocationError)), "Not valid"};
}

// A 10-character locator (a latitude/longitude gives one).
QStringList Locators() {
    return {"RR88WW88WW", BoxText(std::string(kLocationError))};
}

// Every layout of "L/L Format" with three-digit degrees and both hemisphere letters.
QStringList LatLongs() {
    QStringList texts;
    for (int format = 0; format < geodesy::kLatLongFormats; ++format)
        for (const auto& [lat, lon] : {std::pair{-88.888888, -178.888888}, {58.888888, 8.888888}})
            if (const auto text = geodesy::FormatLatLong(lat, lon, format)) texts << BoxText(*text);
    return texts;
}

QStringList EastNorths() {
    return {BoxText(EastNorthText(888888.0, 1288888.0))};
}

QStringList OsMapCaptions() {
    return {"OS Map", BoxText(OsMapCaption(geodesy::NgrText{geodesy::NgrStatus::kOk,
                                                            "NW88888 88888", 888888, 888888}))};
}

QStringList GpsCaptions() {
    return {"GPS", kRealTimeGpsCaption, kPauseRealTimeCaption, kResumeRealTimeCaption};
}

// The Pointing window's values: distances to the far side of the earth, and every form of the
// accuracy line with uncertainties of two-digit kilometres (cells of a few km at both ends) and
// three-digit degrees (a home inside the site's cell).
QStringList Distances() {
    return {"18888.888"};
}
QStringList Bearings() {
    return {BoxText(BearingText(358.8))};
}
QStringList Accuracies() {
    QStringList texts;
    for (UncertForm form :
         {UncertForm::kGridRef, UncertForm::kLocator, UncertForm::kLatLong, UncertForm::kSite})
        texts << BoxText(UncertaintyText(form, 88.888, 178.888));
    return texts;
}

// Captions as they stand, plus the longest values of the named value controls; controls named
// in `skipped` are left out.
std::vector<ControlTexts> Collect(QWidget& window, const QHash<QString, QStringList>& values,
                                  const QStringList& skipped) {
    std::vector<ControlTexts> needs;
    for (QWidget* w : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (skipped.contains(w->objectName())) continue;
        QStringList texts = values.value(w->objectName());
        if (const auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
        else if (const auto* button = qobject_cast<QPushButton*>(w))
            texts << button->text();
        else if (const auto* box = qobject_cast<QCheckBox*>(w))
            texts << box->text();
        else if (const auto* edit = qobject_cast<QLineEdit*>(w))
            texts << edit->text();
        texts.removeAll(QString());
        if (!texts.isEmpty()) needs.push_back({w, texts});
    }
    return needs;
}

}  // namespace

std::vector<ControlTexts> MainWindowTexts(QWidget& mainWindow) {
    const QHash<QString, QStringList> values = {
        {"Xdim", CellSizes()},      {"Ydim", CellSizes()},       {"LocText", Locators()},
        {"NGRText", GridRefs()},    {"EastNorth", EastNorths()}, {"LLText", LatLongs()},
        {"OSMap", OsMapCaptions()}, {"UseNMEA", GpsCaptions()},
    };
    // Typed texts scroll in their boxes; the home label wraps.
    const QStringList skipped = {"InputText", "LocDatabase", "ListFileName", "Srchtext",
                                 "BaseLocLbl"};
    return Collect(mainWindow, values, skipped);
}

std::vector<ControlTexts> PointingWindowTexts(QWidget& pointingWindow) {
    const QHash<QString, QStringList> values = {
        {"DistText", Distances()},
        {"BearText", Bearings()},
        {"BackBearText", Bearings()},
        {"UncertText", Accuracies()},
    };
    return Collect(pointingWindow, values, {"Ipt"});
}

}  // namespace tormark
