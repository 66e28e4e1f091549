#pragma once

// The main window of Tormark: the input box and the resolved forms of the current site, the
// home station, the listing panel, and the buttons of the GPS input and the maps. It owns the
// window state (a SiteSession, which holds every text the window shows) and the three
// companion windows; it shows the session after each action and hands each edit of a box to
// it, so nothing is read back from a caption or a box.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "cell_frame.h"
#include "gps_setup_window.h"
#include "pointing_window.h"
#include "settings_store.h"
#include "site_list_window.h"
#include "site_session.h"
#include "text_fit.h"

namespace tormark {

// Design sizes of the main window, twips. The heights are those of the whole window, caption
// and border included; the listing panel lies below the closed height.
inline constexpr int kMainClientWidth = 7485;
inline constexpr int kMainClosedHeight = 4700;
inline constexpr int kMainListingHeight = 6780;
inline constexpr int kMainCaptionAndBorder = 480;
// The companion windows open this far from the main window's edge, pixels.
inline constexpr int kBesideGap = 8;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Runs the start sequence with the settings of `store` (which must outlive the window).
    explicit MainWindow(SettingsStore& store, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Presets the site database box (the --db option) with the path made absolute against the
    // current folder, as the settings keep it.
    void setDatabasePath(const QString& path);

    // A position text from the GPS input: the model resolves it as "&Use This" resolves the
    // input box, and the window shows the result (the input box then shows the text).
    void ResolveFix(const QString& inputText);

    // The caption of the GPS button, set by the GPS input as its mode changes.
    void setGpsCaption(const QString& caption);
    // "OS Map" is usable only when the map folder holds sheets.
    void setOsMapEnabled(bool enabled);

    // Where messages go: a message box unless replaced (tests collect them).
    void setMessageHandler(std::function<void(const QString&)> handler) {
        message_ = std::move(handler);
    }
    // How a finished listing is shown: the platform's text viewer unless replaced.
    void setViewer(std::function<void(const QString&)> viewer) { viewer_ = std::move(viewer); }

    // The state the window shows.
    const SiteSession& session() const { return session_; }
    PointingWindow* pointingWindow() const { return pointingWindow_; }
    SiteListWindow* siteListWindow() const { return siteListWindow_; }
    GpsSetupWindow* gpsSetupWindow() const { return gpsSetupWindow_; }
    // The button that Enter presses.
    QPushButton* defaultButton() const { return default_; }
    // The designed layout grown to fit the font (every control keeps its place in the order).
    const LayoutFit& layout() const { return *layout_; }

    // A click into the input box, the text typed, and "&Use This" (scripted runs).
    void TypeAndUse(const QString& text);
    // "&Set as Home" pressed (scripted runs).
    void PressSetAsHome() { SetAsHome(); }

  signals:
    // A resolution changed the current site while a home is set: the compass is to be drawn.
    void siteResolved();
    // The GPS button, "G-Maps" and "OS Map" were clicked.
    void gpsClicked();
    void webMapClicked();
    void osMapClicked();
    // A click into the input box began a new entry: the GPS input stops.
    void newEntryStarted();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // --- user actions ---
    void UseThis();                          // "&Use This": resolve the input box
    void LookUpDatabase();                   // "&Lookup Database"
    void SetAsHome();                        // "&Set as Home"
    void NextLatLongFormat();                // "L/L Format"
    void StartNewEntry();                    // a click into the input box
    void OpenListingPanel();                 // "&Make a Listing File"
    void GenerateListing();                  // "Generate the File"
    void ListLocals();                       // "List locals"
    void ShowResultsClicked();               // "Show the results on screen" clicked
    void PickFromList(const QString& line);  // OK or a double click in the list window

    void CreateControls();
    void CreateSiteControls();
    void CreateActionControls();
    void CreateListingPanel();
    void BindBoxesToSession();
    void ConnectActions();
    void Start();
    void Render();
    void RenderCell();
    void SaveSettings();
    void SetDefaultButton(QPushButton* button);
    void SetWindowHeight(int twips);
    void PlaceWindow(int leftTwips, int topTwips);
    void PlacePointingWindow();
    void RememberListPlace();
    void CloseList();
    void ShowMessage(const QString& text);

    SettingsStore& store_;
    SiteSession session_;
    std::unique_ptr<LayoutFit> layout_;
    PointingWindow* pointingWindow_;
    SiteListWindow* siteListWindow_;
    GpsSetupWindow* gpsSetupWindow_;
    QPushButton* default_ = nullptr;
    bool saved_ = false;
    // Last place of the list window, twips; negative while it was never placed.
    int listLeft_ = -1;
    int listTop_ = -1;
    std::function<void(const QString&)> message_;
    std::function<void(const QString&)> viewer_;

    // --- the controls, named for what they hold (their objectName is the designed name) ---
    QLineEdit* databaseBox_;            // LocDatabase: path of the site database
    QLineEdit* inputBox_;               // InputText: what the user typed or picked
    QLabel* cellWidthLabel_;            // Xdim
    QLabel* cellHeightLabel_;           // Ydim
    CellFrame* cellFrame_;              // Frame1: the shape of the uncertainty cell
    QPushButton* useThisButton_;        // FindIt
    QPushButton* lookupButton_;         // Lookup
    QLineEdit* locatorBox_;             // LocText
    QLineEdit* gridRefBox_;             // NGRText
    QLineEdit* eastNorthBox_;           // EastNorth
    QPushButton* setHomeButton_;        // SetHome
    QPushButton* listingButton_;        // GenList: opens the listing panel
    QPushButton* webMapButton_;         // Gmap
    QPushButton* osMapButton_;          // OSMap: captioned with the 10 km square
    QLineEdit* latLongBox_;             // LLText
    QPushButton* latLongFormatButton_;  // LLfmt
    QPushButton* gpsButton_;            // UseNMEA
    QPushButton* listLocalsButton_;     // LocSites
    QLabel* homeLabel_;                 // BaseLocLbl: "Home Station: ..."
    QCheckBox* saveHomeBox_;            // SaveOnExit
    // The listing panel, below the closed window's edge.
    QLineEdit* minDistanceBox_;     // MinDisttext
    QLineEdit* maxDistanceBox_;     // MaxDistText
    QLineEdit* fromBearingBox_;     // FromBearText
    QLineEdit* toBearingBox_;       // ToBearText
    QPushButton* generateButton_;   // MakeList
    QLineEdit* searchBox_;          // Srchtext
    QLineEdit* listFileBox_;        // ListFileName
    QCheckBox* showResultsBox_;     // ShowAll
    QList<QWidget*> listingPanel_;  // every control of the panel, labels included
};

}  // namespace tormark
