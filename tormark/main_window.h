#pragma once

// The main window of Tormark: the input box and the resolved forms of the current site, the
// home station, the listing panel, and the buttons of the GPS input and the maps. It owns the
// window state (a SiteSession) and the three companion windows.

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "bearing_calc.h"
#include "cell_frame.h"
#include "set_up_com.h"
#include "settings_store.h"
#include "show_list.h"
#include "site_session.h"

namespace tormark {

// Design sizes of the main window, twips. The heights are those of the whole window, caption
// and border included; the listing panel lies below the closed height.
inline constexpr int kMainClientWidth = 7485;
inline constexpr int kMainClosedHeight = 4700;
inline constexpr int kMainListingHeight = 6780;
inline constexpr int kMainCaptionAndBorder = 480;
// The Pointing window opens this far above the main window, twips.
inline constexpr int kPointingAbove = 2000;

class MainWindow : public QWidget {
    Q_OBJECT
  public:
    // Runs the start sequence with the settings of `store` (which must outlive the window).
    explicit MainWindow(SettingsStore& store, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- user actions, callable by the program itself too ---
    void FindIt_Click();                     // "&Use This": resolve the input box
    void Lookup_Click();                     // "&Lookup Database"
    void SetHome_Click();                    // "&Set as Home"
    void LLfmt_Click();                      // "L/L Format"
    void InputText_Click();                  // a click into the input box: a new entry
    void GenList_Click();                    // "&Make a Listing File": open the listing panel
    void MakeList_Click();                   // "Generate the File"
    void LocSites_Click();                   // "List locals"
    void ShowAll_Click();                    // "Show the results on screen" clicked
    void PickFromList(const QString& line);  // OK or a double click in the list window

    // Writes the settings as the exit sequence does (also run when the window closes).
    void SaveSettings();

    // Where messages go: a message box unless replaced (tests collect them).
    void setMessageHandler(std::function<void(const QString&)> handler) {
        message_ = std::move(handler);
    }
    // How a finished listing is shown: the platform's text viewer unless replaced.
    void setViewer(std::function<void(const QString&)> viewer) { viewer_ = std::move(viewer); }

    SiteSession& session() { return session_; }
    BearingCalc* bearingCalc() const { return bearingCalc_; }
    ShowList* showList() const { return showList_; }
    SetUpCom* setUpCom() const { return setUpCom_; }
    QPushButton* defaultButton() const { return default_; }

    // Real-time GPS mode (driven by the GPS input).
    bool RealTime = false;
    // Folder of the scanned map sheets.
    QString MapPath;
    // Last place of the list window, twips; negative while it was never placed.
    int ListLeft = -1;
    int ListTop = -1;

    // --- controls, named as in the window's design ---
    QLabel* Label14;
    QLabel* Label1;
    QLineEdit* LocDatabase;
    QLabel* Label2;
    QLineEdit* InputText;
    QLabel* Label5;
    QLabel* Xdim;
    CellFrame* Frame1;
    QLabel* Ydim;
    QLabel* Label15;
    QPushButton* FindIt;
    QPushButton* Lookup;
    QLineEdit* LocText;
    QLineEdit* NGRText;
    QLineEdit* EastNorth;
    QPushButton* SetHome;
    QPushButton* GenList;
    QPushButton* Gmap;
    QPushButton* OSMap;
    QLineEdit* LLText;
    QPushButton* LLfmt;
    QPushButton* UseNMEA;
    QPushButton* LocSites;
    QLabel* Label4;
    QLabel* BaseLocLbl;
    QCheckBox* SaveOnExit;
    QLabel* Label10;
    QLabel* Label3;
    QLineEdit* MinDisttext;
    QLabel* Label7;
    QLineEdit* MaxDistText;
    QLabel* Label8;
    QLineEdit* FromBearText;
    QLabel* Label9;
    QLineEdit* ToBearText;
    QPushButton* MakeList;
    QLabel* Label13;
    QLineEdit* Srchtext;
    QLabel* Label11;
    QLineEdit* ListFileName;
    QCheckBox* ShowAll;

  signals:
    // A resolution changed the current site while a home is set: the compass is to be drawn.
    void siteResolved();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void CreateControls();
    void ConnectActions();
    void Start();
    void Render();
    void DrawCell();
    void SetDefaultButton(QPushButton* button);
    void SetWindowHeight(int twips);
    void PlaceWindow(int leftTwips, int topTwips);
    void PlacePointingWindow();
    void RememberListPlace();
    void CloseList();
    QList<QWidget*> ListingPanel() const;
    void ShowMessage(const QString& text);

    SettingsStore& store_;
    SiteSession session_;
    BearingCalc* bearingCalc_;
    ShowList* showList_;
    SetUpCom* setUpCom_;
    QPushButton* default_ = nullptr;
    bool saved_ = false;
    std::function<void(const QString&)> message_;
    std::function<void(const QString&)> viewer_;
};

}  // namespace tormark
