#include "main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStyle>
#include <QUrl>

#include "box_text.h"
#include "default_places.h"
#include "display_texts.h"
#include "files/find_ignoring_case.h"
#include "gps_and_maps.h"
#include "listing.h"
#include "listing_date.h"
#include "longest_texts.h"
#include "map_launch.h"
#include "real_time_gps.h"
#include "sitefile/site_search.h"
#include "twips.h"
#include "window_places.h"
#include "wrap_button.h"

namespace tormark {

namespace {

QColor ToColor(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

void SetColors(QLineEdit* box, const Rgb& back, const Rgb& fore) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, ToColor(back));
    p.setColor(QPalette::Text, ToColor(fore));
    box->setPalette(p);
}

// Where the designed font is missing, a condensed face of the fallback keeps the captions within
// the widths they were laid out for (the common fallback, DejaVu Sans, is much wider).
QFont Fitted(QFont font) {
    if (QFontInfo(font).family() != font.family()) font.setStretch(QFont::SemiCondensed);
    return font;
}

// The window's own font: a small sans serif as the layout was designed for.
QFont WindowFont() {
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return Fitted(font);
}

QFont ArialFont(bool bold) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(12);
    font.setBold(bold);
    return Fitted(font);
}

// A result box shows the start of its text when it is too long for the box.
void ShowText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

void OpenInViewer(const QString& fileName) {
#ifdef Q_OS_WIN
    QProcess::startDetached("Notepad.exe", {fileName});
#else
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
#endif
}

}  // namespace

MainWindow::MainWindow(SettingsStore& store, QWidget* parent) : QWidget(parent), store_(store) {
    setObjectName("Tormark");
    setWindowTitle("Tormark");
    setFont(WindowFont());
    pointingWindow_ = new PointingWindow(this);
    siteListWindow_ = new SiteListWindow(this);
    gpsSetupWindow_ = new GpsSetupWindow(this);
    for (QWidget* w :
         std::initializer_list<QWidget*>{pointingWindow_, siteListWindow_, gpsSetupWindow_})
        w->setFont(WindowFont());
    pointingWindow_->FitToFont();
    message_ = [this](const QString& text) { QMessageBox::information(this, "Tormark", text); };
    viewer_ = OpenInViewer;
    CreateControls();
    BindBoxesToSession();
    ConnectActions();
    Start();
    // The GPS input, the map buttons and the compass.
    new GpsAndMaps(*this);
}

MainWindow::~MainWindow() = default;

namespace {

// The controls are made at their designed places and named as designed (the tests find them by
// name). Buttons never become the default on focus: Enter means "Use This" wherever it is typed.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setGeometry(place);
    return l;
}

QLineEdit* AddBox(QWidget* parent, const char* name, const QString& text, QRect place) {
    auto* b = new QLineEdit(text, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    return b;
}

WrapButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect place) {
    auto* b = new WrapButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

void MainWindow::CreateControls() {
    // Made in the designed order, which is also the order Tab moves through them.
    CreateSiteControls();
    CreateActionControls();
    CreateListingPanel();
    SetDefaultButton(useThisButton_);
    inputBox_->installEventFilter(this);
    layout_ = std::make_unique<LayoutFit>(*this);
    layout_->Fit(MainWindowTexts(*this));
    setFixedWidth(layout_->GrownWidth(Px(kMainClientWidth)));
    SetWindowHeight(kMainClosedHeight);
}

// The database and input boxes, the cell the position names and the captions over the result
// boxes.
void MainWindow::CreateSiteControls() {
    AddLabel(this, "Label14", "From Site Database, Locator,  NGR or free format Lat / Long",
             TwipsRect(495, 15, 5535, 255));
    AddLabel(this, "Label1", "Location of Site database", TwipsRect(2010, 330, 2355, 375));
    databaseBox_ =
        AddBox(this, "LocDatabase", DefaultDatabasePath(), TwipsRect(4365, 345, 2055, 285));
    databaseBox_->setToolTip(DatabaseBoxTip());
    AddLabel(this, "Label2", "Input data", TwipsRect(480, 480, 975, 255));
    inputBox_ = AddBox(this, "InputText", "", TwipsRect(480, 735, 5895, 330));
    inputBox_->setToolTip(
        "Enter  Part of sitename,  Locator (6 or 8 char) ,   NGR (8 or 10 char) or Free format  "
        "Lat / Long.   Also mask for Database lookup");
    AddLabel(this, "Label5", "Resolution", TwipsRect(6555, 645, 810, 180));
    cellWidthLabel_ = AddLabel(this, "Xdim", "", TwipsRect(6660, 915, 645, 180));
    cellWidthLabel_->setAlignment(Qt::AlignCenter);
    cellFrame_ = new CellFrame(this);
    cellFrame_->setObjectName("Frame1");
    cellFrame_->setGeometry(TwipsRect(6675, 1095, 675, 645));
    cellHeightLabel_ = AddLabel(this, "Ydim", "", TwipsRect(6180, 1350, 480, 180));
    cellHeightLabel_->setAlignment(Qt::AlignRight);
    AddLabel(this, "Label15", "Loc                                         NGR",
             TwipsRect(2760, 1080, 3015, 255));
}

// The buttons, the result boxes (locator, grid reference, east/north, lat/long), the home label
// and the save-home box.
void MainWindow::CreateActionControls() {
    const QString calculated =
        "If this appears in red, it is a calculated value whose accuracy depends on the input "
        "information";

    useThisButton_ = AddButton(this, "FindIt", "&Use This", TwipsRect(360, 1200, 975, 495));
    useThisButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    useThisButton_->setIconSize(QSize(12, 12));
    lookupButton_ = AddButton(this, "Lookup", "&Lookup Database", TwipsRect(1440, 1200, 855, 495));
    lookupButton_->setToolTip(
        "Search Site Database file. Optionally enter any portion or name or search string into "
        "Input data box or make sure Input data is blank");

    locatorBox_ = AddBox(this, "LocText", "", TwipsRect(2400, 1320, 1815, 420));
    locatorBox_->setFont(ArialFont(true));
    locatorBox_->setToolTip(calculated);
    gridRefBox_ = AddBox(this, "NGRText", "", TwipsRect(4200, 1320, 1935, 375));
    gridRefBox_->setFont(ArialFont(true));
    gridRefBox_->setToolTip(calculated);
    eastNorthBox_ = AddBox(this, "EastNorth", "", TwipsRect(4200, 1710, 1965, 300));

    setHomeButton_ = AddButton(this, "SetHome", "&Set as Home", TwipsRect(315, 1995, 975, 495));
    setHomeButton_->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    setHomeButton_->setIconSize(QSize(12, 12));
    setHomeButton_->setToolTip(
        "Set this current site details as the base for distance and bearing calculation or "
        "printout");
    setHomeButton_->setEnabled(false);
    listingButton_ =
        AddButton(this, "GenList", "&Make a Listing File", TwipsRect(1395, 1995, 855, 495));
    listingButton_->setToolTip("Generate a listing of all sites from this Base");
    listingButton_->setEnabled(false);
    webMapButton_ = AddButton(this, "Gmap", "G-Maps", TwipsRect(2700, 2040, 885, 315));
    webMapButton_->setToolTip("Go to Google Maps for this site");
    osMapButton_ = AddButton(this, "OSMap", "OS Map", TwipsRect(4230, 2025, 870, 315));
    osMapButton_->setToolTip(OsMapButtonTip());
    osMapButton_->setEnabled(false);
    latLongBox_ = AddBox(this, "LLText", "", TwipsRect(2355, 2370, 4110, 405));
    latLongBox_->setFont(ArialFont(false));
    latLongFormatButton_ = AddButton(this, "LLfmt", "L/L Format", TwipsRect(6540, 2385, 780, 465));
    latLongFormatButton_->setToolTip("Toggle through Lat/Long formatting");
    gpsButton_ = AddButton(this, "UseNMEA", "GPS", TwipsRect(315, 2595, 975, 495));
    gpsButton_->setToolTip("Read NMEA Data from serial port.  (GPRMC Message only)");
    listLocalsButton_ = AddButton(this, "LocSites", "List locals", TwipsRect(1395, 2595, 855, 495));
    listLocalsButton_->setToolTip("Generate a list of sites within 20km of designated Home");
    listLocalsButton_->setEnabled(false);
    QLabel* datumLabel = AddLabel(this, "Label4", "WGS84", TwipsRect(2490, 2865, 630, 255));
    {
        QPalette p = datumLabel->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 192));
        datumLabel->setPalette(p);
    }
    homeLabel_ = AddLabel(this, "BaseLocLbl", "", TwipsRect(285, 3150, 6870, 660));
    {
        QFont f = WindowFont();
        f.setPointSize(12);
        f.setBold(true);
        homeLabel_->setFont(f);
        homeLabel_->setWordWrap(true);
        homeLabel_->setAutoFillBackground(true);
        QPalette p = homeLabel_->palette();
        p.setColor(QPalette::WindowText, QColor(192, 0, 0));
        p.setColor(QPalette::Window, QColor(255, 192, 255));
        homeLabel_->setPalette(p);
    }
    saveHomeBox_ = new QCheckBox("Save Base on Exit", this);
    saveHomeBox_->setObjectName("SaveOnExit");
    saveHomeBox_->setGeometry(TwipsRect(4740, 3825, 1725, 210));
}

// The listing panel, hidden until "Make a Listing File" opens it.
void MainWindow::CreateListingPanel() {
    // Below the closed window's edge.
    QLabel* panelTitle = AddLabel(
        this, "Label10", "Restrict printout for distance / bearing limits, or part of site name",
        TwipsRect(105, 4215, 6015, 255));
    QLabel* minLabel = AddLabel(this, "Label3", "Min Distance", TwipsRect(150, 4590, 1215, 255));
    minDistanceBox_ = AddBox(this, "MinDisttext", "0", TwipsRect(1470, 4590, 735, 285));
    QLabel* maxLabel = AddLabel(this, "Label7", "Max Distance", TwipsRect(2550, 4590, 1215, 255));
    maxDistanceBox_ = AddBox(this, "MaxDistText", "99999", TwipsRect(3990, 4590, 735, 285));
    QLabel* fromLabel = AddLabel(this, "Label8", "Bearing From", TwipsRect(150, 4950, 1215, 255));
    fromBearingBox_ = AddBox(this, "FromBearText", "0", TwipsRect(1470, 4950, 735, 285));
    fromBearingBox_->setToolTip("Left most bearing of sector");
    QLabel* toLabel =
        AddLabel(this, "Label9", "through to  to bearing ", TwipsRect(2310, 4950, 1575, 255));
    toBearingBox_ = AddBox(this, "ToBearText", "360", TwipsRect(3990, 4950, 735, 285));
    toBearingBox_->setToolTip("Rightmost bearing for sector");
    generateButton_ =
        AddButton(this, "MakeList", "Generate the File", TwipsRect(4950, 4950, 975, 495));
    generateButton_->setToolTip("Generate a listing of all sites from this Base");
    {
        QPalette p = generateButton_->palette();
        p.setColor(QPalette::Button, QColor(255, 192, 192));
        generateButton_->setPalette(p);
        generateButton_->setAutoFillBackground(true);
    }
    QLabel* searchLabel =
        AddLabel(this, "Label13", "Search String", TwipsRect(150, 5310, 1215, 255));
    searchBox_ = AddBox(this, "Srchtext", "", TwipsRect(1470, 5310, 3255, 285));
    searchBox_->setToolTip("Restrict listed sites to only those containing this search string");
    QLabel* fileLabel =
        AddLabel(this, "Label11", "List File name", TwipsRect(-90, 5790, 1215, 255));
    fileLabel->setAlignment(Qt::AlignRight);
    listFileBox_ =
        AddBox(this, "ListFileName", DefaultListFile(), TwipsRect(1230, 5790, 2655, 285));
    listFileBox_->setToolTip(ListFileBoxTip());
    showResultsBox_ = new QCheckBox("Show the results on screen", this);
    showResultsBox_->setObjectName("ShowAll");
    showResultsBox_->setChecked(true);
    showResultsBox_->setToolTip(
        "Send distance and bering list to screen as well as to teh file specified");
    showResultsBox_->setGeometry(TwipsRect(4005, 5790, 2295, 255));

    for (QWidget* w : std::initializer_list<QWidget*>{
             panelTitle, minLabel, minDistanceBox_, maxLabel, maxDistanceBox_, fromLabel,
             fromBearingBox_, toLabel, toBearingBox_, generateButton_, searchBox_, fileLabel,
             listFileBox_})
        w->hide();
    listingPanel_ = {generateButton_, minDistanceBox_, maxDistanceBox_, fromBearingBox_,
                     toBearingBox_,   searchBox_,      showResultsBox_, minLabel,
                     maxLabel,        fromLabel,       toLabel,         listFileBox_,
                     panelTitle,      fileLabel,       searchLabel};
}

void MainWindow::BindBoxesToSession() {
    // Every box the user can type into hands its text to the session as it changes, so the
    // session always holds what the boxes read.
    auto bind = [this](QLineEdit* box, std::string SiteSession::*field) {
        session_.*field = SessionText(box->text());
        connect(box, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { session_.*field = SessionText(text); });
    };
    auto bindBox = [this](QLineEdit* box, std::string MainBoxes::*field) {
        connect(box, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { session_.boxes.*field = SessionText(text); });
    };
    auto bindPanel = [this](QLineEdit* box, std::string ListingBoxes::*field) {
        session_.listing.*field = SessionText(box->text());
        connect(box, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            session_.listing.*field = SessionText(text);
        });
    };
    bind(databaseBox_, &SiteSession::databasePath);
    bindBox(inputBox_, &MainBoxes::input);
    bindBox(locatorBox_, &MainBoxes::locator);
    bindBox(gridRefBox_, &MainBoxes::ngr);
    bindPanel(minDistanceBox_, &ListingBoxes::minDist);
    bindPanel(maxDistanceBox_, &ListingBoxes::maxDist);
    bindPanel(fromBearingBox_, &ListingBoxes::fromBear);
    bindPanel(toBearingBox_, &ListingBoxes::toBear);
    bindPanel(searchBox_, &ListingBoxes::search);
    bindPanel(listFileBox_, &ListingBoxes::fileName);
}

void MainWindow::ConnectActions() {
    connect(useThisButton_, &QPushButton::clicked, this, &MainWindow::UseThis);
    connect(lookupButton_, &QPushButton::clicked, this, &MainWindow::LookUpDatabase);
    connect(setHomeButton_, &QPushButton::clicked, this, &MainWindow::SetAsHome);
    connect(latLongFormatButton_, &QPushButton::clicked, this, &MainWindow::NextLatLongFormat);
    connect(listingButton_, &QPushButton::clicked, this, &MainWindow::OpenListingPanel);
    connect(generateButton_, &QPushButton::clicked, this, &MainWindow::GenerateListing);
    connect(listLocalsButton_, &QPushButton::clicked, this, &MainWindow::ListLocals);
    connect(showResultsBox_, &QCheckBox::clicked, this, &MainWindow::ShowResultsClicked);
    connect(siteListWindow_, &SiteListWindow::picked, this, &MainWindow::PickFromList);
    connect(gpsButton_, &QPushButton::clicked, this, &MainWindow::gpsClicked);
    connect(webMapButton_, &QPushButton::clicked, this, &MainWindow::webMapClicked);
    connect(osMapButton_, &QPushButton::clicked, this, &MainWindow::osMapClicked);
}

void MainWindow::setDatabasePath(const QString& path) {
    // Made absolute here, as the box text is what is stored on exit: a relative name would
    // name another file when Tormark is next started from another folder.
    databaseBox_->setText(path.isEmpty() ? path : QFileInfo(path).absoluteFilePath());
}

void MainWindow::setGpsCaption(const QString& caption) {
    gpsButton_->setText(caption);
}

void MainWindow::setOsMapEnabled(bool enabled) {
    osMapButton_->setEnabled(enabled);
}

void MainWindow::SetDefaultButton(QPushButton* button) {
    for (QPushButton* b : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        b->setDefault(b == button);
    default_ = button;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter presses the default button, as in a dialog.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && default_ &&
        default_->isVisible() && default_->isEnabled()) {
        default_->animateClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inputBox_ && event->type() == QEvent::MouseButtonPress) StartNewEntry();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::SetWindowHeight(int twips) {
    setFixedHeight(layout_->GrownHeight(Px(twips - kMainCaptionAndBorder)));
}

void MainWindow::PlaceWindow(int leftTwips, int topTwips) {
    // A stored place that lies on no screen (a screen removed since) falls back to the default.
    const QPoint place(Px(leftTwips), Px(topTwips));
    const QPoint grip = place + QPoint(40, 10);  // a point of the caption bar
    if (QGuiApplication::screenAt(grip) == nullptr) {
        move(0, Px(100));
        return;
    }
    move(place);
}

// The available area of the main window's screen (the primary screen when it is on none).
static QRect ScreenArea(const QWidget& window) {
    const QScreen* screen = QGuiApplication::screenAt(window.pos() + QPoint(40, 10));
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1 << 16, 1 << 16);
}

void MainWindow::PlacePointingWindow() {
    pointingWindow_->move(PlaceBeside(frameGeometry(), pointingWindow_->frameGeometry().size(),
                                      ScreenArea(*this), Side::kRight, kBesideGap));
}

void MainWindow::Start() {
    session_.homeSet = false;
    const StoredSettings stored = store_.Load();
    const double homeLat = LeadingNumber(stored.homeLat);
    const double homeLong = LeadingNumber(stored.homeLong);
    if (homeLat < kNoHomeLimit_deg && homeLong < kNoHomeLimit_deg) {
        session_.RestoreHome(homeLat, homeLong);
        Render();
        SetAsHome();
    }
    gpsSetupWindow_->setPortText(stored.port);
    gpsSetupWindow_->setBaudText(stored.baud);
    PlaceWindow(static_cast<int>(LeadingNumber(stored.left)),
                static_cast<int>(LeadingNumber(stored.top)));
    SetWindowHeight(kMainClosedHeight);
    PlacePointingWindow();
    databaseBox_->setText(stored.database);
    gpsButton_->setText(kRealTimeGpsCaption);
}

void MainWindow::Render() {
    const MainBoxes& b = session_.boxes;
    inputBox_->setText(BoxText(b.input));
    ShowText(locatorBox_, BoxText(b.locator));
    ShowText(gridRefBox_, BoxText(b.ngr));
    ShowText(latLongBox_, BoxText(b.latlong));
    ShowText(eastNorthBox_, BoxText(b.eastNorth));
    RenderCell();
    SetColors(locatorBox_, b.locNgrBack, b.locFore);
    SetColors(gridRefBox_, b.locNgrBack, b.ngrFore);
    SetColors(latLongBox_, b.llBack, kBlack);
    setHomeButton_->setEnabled(b.setHomeEnabled);
    pointingWindow_->Show(session_.pointing);
}

// The size labels, the cell picture and the 10 km square, which a listing run moves as well.
void MainWindow::RenderCell() {
    const MainBoxes& b = session_.boxes;
    cellWidthLabel_->setText(BoxText(b.xdim));
    cellHeightLabel_->setText(BoxText(b.ydim));
    if (b.xdim == "~" || b.ydim == "~")
        cellFrame_->SetPoint();
    else if (b.xdim.empty() || b.ydim.empty())
        cellFrame_->ClearCell();
    else
        cellFrame_->SetCell(LeadingNumber(BoxText(b.xdim)), LeadingNumber(BoxText(b.ydim)));
    osMapButton_->setText(BoxText(b.osMapCaption));
}

void MainWindow::ShowMessage(const QString& text) {
    if (message_) message_(text);
}

void MainWindow::UseThis() {
    const ResolveResult r = session_.UseThis(session_.boxes.input);
    Render();
    if (!r.message.empty()) ShowMessage(BoxText(r.message));
    if (session_.homeSet && r.distBear) emit siteResolved();
}

void MainWindow::TypeAndUse(const QString& text) {
    StartNewEntry();
    inputBox_->setText(text);
    UseThis();
}

void MainWindow::ResolveFix(const QString& inputText) {
    session_.boxes.input = SessionText(inputText);
    UseThis();
}

void MainWindow::LookUpDatabase() {
    const sitefile::SiteListResult r =
        sitefile::ListSites(session_.databasePath, session_.boxes.input);
    if (!r.ok) {
        ShowMessage(BoxText(std::string(kDatabaseMissing)));
        return;
    }
    QStringList items;
    for (const std::string& item : r.items) items << BoxText(item);
    // A place the list window was moved to is kept while it lies on a screen; otherwise it
    // opens below the main window.
    const QPoint stored(Px(listLeft_), Px(listTop_));
    if (listLeft_ >= 0 && listTop_ >= 0 &&
        QGuiApplication::screenAt(stored + QPoint(40, 10)) != nullptr)
        siteListWindow_->move(stored);
    else if (!siteListWindow_->isVisible())
        siteListWindow_->move(PlaceBeside(frameGeometry(), siteListWindow_->frameGeometry().size(),
                                          ScreenArea(*this), Side::kBelow, kBesideGap));
    siteListWindow_->Fill(items);
    siteListWindow_->raise();
}

void MainWindow::PickFromList(const QString& line) {
    session_.boxes.input = SessionText(line);
    UseThis();
    useThisButton_->setEnabled(false);
    SetDefaultButton(setHomeButton_);
}

void MainWindow::SetAsHome() {
    if (generateButton_->isHidden()) listingButton_->setEnabled(true);
    const QString caption = BoxText(session_.SetAsHome());
    pointingWindow_->Show(session_.pointing);
    if (!pointingWindow_->isVisible()) PlacePointingWindow();
    pointingWindow_->show();
    homeLabel_->setText(caption);
    pointingWindow_->ShowValues(true);
    listLocalsButton_->setEnabled(true);
    pointingWindow_->setWindowTitle(caption);
}

void MainWindow::NextLatLongFormat() {
    session_.NextLatLongFormat();
    latLongBox_->setText(BoxText(session_.boxes.latlong));
}

void MainWindow::RememberListPlace() {
    // A list window never shown has no place of its own yet (it would read as the screen's
    // corner).
    if (!siteListWindow_->isVisible()) return;
    listLeft_ = Twips(siteListWindow_->x());
    listTop_ = Twips(siteListWindow_->y());
}

void MainWindow::CloseList() {
    RememberListPlace();
    siteListWindow_->close();
}

void MainWindow::StartNewEntry() {
    CloseList();
    useThisButton_->show();
    useThisButton_->setEnabled(true);
    SetDefaultButton(useThisButton_);
    lookupButton_->show();
    session_.ResetEntry();
    SetColors(inputBox_, kWhite, kBlack);
    inputBox_->setText(BoxText(session_.boxes.input));
    pointingWindow_->Show(session_.pointing);
    for (QWidget* w : listingPanel_) w->hide();
    pointingWindow_->compass().Clear();
    setHomeButton_->setEnabled(session_.boxes.setHomeEnabled);
    emit newEntryStarted();
}

void MainWindow::OpenListingPanel() {
    SetWindowHeight(kMainListingHeight);
    listingButton_->setEnabled(false);
    for (QWidget* w : listingPanel_) w->show();
    SetDefaultButton(generateButton_);
    useThisButton_->hide();
    lookupButton_->hide();
    session_.OpenListingPanel();
    setHomeButton_->setEnabled(session_.boxes.setHomeEnabled);
    pointingWindow_->Show(session_.pointing);
    gridRefBox_->setText(BoxText(session_.boxes.ngr));
    locatorBox_->setText(BoxText(session_.boxes.locator));
    latLongBox_->setText(BoxText(session_.boxes.latlong));
    pointingWindow_->compass().Clear();
    CloseList();
}

void MainWindow::GenerateListing() {
    if (session_.listing.fileName.empty()) listFileBox_->setText(kDefaultListFile);
    // The default folder (~/fellside/) is made on first use; a typed one must already exist.
    MakeDefaultListFolder(listFileBox_->text());
    const ListingOutcome outcome = WriteListing(session_.listing, session_, TodayText());
    // The conversions moved the current site to the last line converted.
    eastNorthBox_->setText(BoxText(session_.boxes.eastNorth));
    RenderCell();
    if (!outcome.ok) {
        ShowMessage(BoxText(outcome.message));
        return;
    }
    if (viewer_) viewer_(BoxText(files::NativePath(outcome.fileName)));
}

void MainWindow::ListLocals() {
    maxDistanceBox_->setText(kLocalsMaxDistance);
    GenerateListing();
}

void MainWindow::ShowResultsClicked() {
    listFileBox_->setText("");
    CloseList();
}

void MainWindow::SaveSettings() {
    StoredSettings values;
    values.left = PlainNumber(Twips(x()));
    values.top = PlainNumber(Twips(y()));
    values.baud = gpsSetupWindow_->baudText();
    values.port = gpsSetupWindow_->portText();
    values.database = BoxText(session_.databasePath);
    values.homeLat = PlainNumber(session_.homeLat_deg);
    values.homeLong = PlainNumber(session_.homeLon_deg);
    store_.Save(values, saveHomeBox_->isChecked());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!saved_) {
        gpsSetupWindow_->ClosePort();
        SaveSettings();
        saved_ = true;
    }
    siteListWindow_->close();
    gpsSetupWindow_->close();
    pointingWindow_->close();
    event->accept();
}

}  // namespace tormark
