#include "main_window.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QStringDecoder>
#include <QStyle>
#include <QUrl>

#include "display_texts.h"
#include "gps_and_maps.h"
#include "listing_file.h"
#include "map_launch.h"
#include "sitefile/site_search.h"
#include "twips.h"
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

// The site database is 8-bit text (Latin-1), while the geodesy core writes the degree sign in
// UTF-8. Texts going to the core are Latin-1 where they can be, so that a typed or picked name
// with an accent matches the file; texts coming back are read as UTF-8 when they are valid
// UTF-8 and as Latin-1 otherwise (a site name from the file).
QString Q(const std::string& s) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
    return utf8.hasError() ? QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())) : text;
}
std::string S(const QString& s) {
    for (const QChar c : s)
        if (c.unicode() > 0xFF) return s.toStdString();
    return s.toLatin1().toStdString();
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

QString DefaultListFile() {
#ifdef Q_OS_WIN
    return "c:\\fellside\\SITELIST.TXT";
#else
    return QDir::homePath() + "/fellside/SITELIST.TXT";
#endif
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
    bearingCalc_ = new BearingCalc(this);
    showList_ = new ShowList(this);
    setUpCom_ = new SetUpCom(this);
    for (QWidget* w : std::initializer_list<QWidget*>{bearingCalc_, showList_, setUpCom_})
        w->setFont(WindowFont());
    message_ = [this](const QString& text) { QMessageBox::information(this, "Tormark", text); };
    viewer_ = OpenInViewer;
    CreateControls();
    ConnectActions();
    Start();
    // The GPS input, the map buttons and the compass.
    new GpsAndMaps(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls() {
    auto label = [this](const char* name, const QString& caption, QRect place) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        l->setGeometry(place);
        return l;
    };
    auto box = [this](const char* name, const QString& text, QRect place) {
        auto* b = new QLineEdit(text, this);
        b->setObjectName(name);
        b->setGeometry(place);
        return b;
    };
    auto button = [this](const char* name, const QString& caption, QRect place) {
        auto* b = new WrapButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(place);
        b->setAutoDefault(false);
        return b;
    };
    const QString calculated =
        "If this appears in red, it is a calculated value whose accuracy depends on the input "
        "information";

    Label14 = label("Label14", "From Site Database, Locator,  NGR or free format Lat / Long",
                    TwipsRect(495, 15, 5535, 255));
    Label1 = label("Label1", "Location of Site database", TwipsRect(2010, 330, 2355, 375));
    LocDatabase = box("LocDatabase", DefaultDatabasePath(), TwipsRect(4365, 345, 2055, 285));
    LocDatabase->setToolTip(
        "Insert full path and filename for the site database.  eg. C:\\fellside\\sites.dat");
    Label2 = label("Label2", "Input data", TwipsRect(480, 480, 975, 255));
    InputText = box("InputText", "", TwipsRect(480, 735, 5895, 330));
    InputText->setToolTip(
        "Enter  Part of sitename,  Locator (6 or 8 char) ,   NGR (8 or 10 char) or Free format  "
        "Lat / Long.   Also mask for Database lookup");
    Label5 = label("Label5", "Resolution", TwipsRect(6555, 645, 810, 180));
    Xdim = label("Xdim", "", TwipsRect(6660, 915, 645, 180));
    Xdim->setAlignment(Qt::AlignCenter);
    Frame1 = new CellFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setGeometry(TwipsRect(6675, 1095, 675, 645));
    Ydim = label("Ydim", "", TwipsRect(6180, 1350, 480, 180));
    Ydim->setAlignment(Qt::AlignRight);
    Label15 = label("Label15", "Loc                                         NGR",
                    TwipsRect(2760, 1080, 3015, 255));

    FindIt = button("FindIt", "&Use This", TwipsRect(360, 1200, 975, 495));
    FindIt->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    FindIt->setIconSize(QSize(12, 12));
    Lookup = button("Lookup", "&Lookup Database", TwipsRect(1440, 1200, 855, 495));
    Lookup->setToolTip(
        "Search Site Database file. Optionally enter any portion or name or search string into "
        "Input data box or make sure Input data is blank");

    LocText = box("LocText", "", TwipsRect(2400, 1320, 1815, 420));
    LocText->setFont(ArialFont(true));
    LocText->setToolTip(calculated);
    NGRText = box("NGRText", "", TwipsRect(4200, 1320, 1935, 375));
    NGRText->setFont(ArialFont(true));
    NGRText->setToolTip(calculated);
    EastNorth = box("EastNorth", "", TwipsRect(4200, 1710, 1965, 300));

    SetHome = button("SetHome", "&Set as Home", TwipsRect(315, 1995, 975, 495));
    SetHome->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    SetHome->setIconSize(QSize(12, 12));
    SetHome->setToolTip(
        "Set this current site details as the base for distance and bearing calculation or "
        "printout");
    SetHome->setEnabled(false);
    GenList = button("GenList", "&Make a Listing File", TwipsRect(1395, 1995, 855, 495));
    GenList->setToolTip("Generate a listing of all sites from this Base");
    GenList->setEnabled(false);
    Gmap = button("Gmap", "G-Maps", TwipsRect(2700, 2040, 885, 315));
    Gmap->setToolTip("Go to Google Maps for this site");
    OSMap = button("OSMap", "OS Map", TwipsRect(4230, 2025, 870, 315));
    OSMap->setToolTip("OS Map JPG files must be stored in C:\\OS_Maps");
    OSMap->setEnabled(false);
    LLText = box("LLText", "", TwipsRect(2355, 2370, 4110, 405));
    LLText->setFont(ArialFont(false));
    LLfmt = button("LLfmt", "L/L Format", TwipsRect(6540, 2385, 780, 465));
    LLfmt->setToolTip("Toggle through Lat/Long formatting");
    UseNMEA = button("UseNMEA", "GPS", TwipsRect(315, 2595, 975, 495));
    UseNMEA->setToolTip("Read NMEA Data from serial port.  (GPRMC Message only)");
    LocSites = button("LocSites", "List locals", TwipsRect(1395, 2595, 855, 495));
    LocSites->setToolTip("Generate a list of sites within 20km of designated Home");
    LocSites->setEnabled(false);
    Label4 = label("Label4", "WGS84", TwipsRect(2490, 2865, 630, 255));
    {
        QPalette p = Label4->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 192));
        Label4->setPalette(p);
    }
    BaseLocLbl = label("BaseLocLbl", "", TwipsRect(285, 3150, 6870, 660));
    {
        QFont f = WindowFont();
        f.setPointSize(12);
        f.setBold(true);
        BaseLocLbl->setFont(f);
        BaseLocLbl->setWordWrap(true);
        BaseLocLbl->setAutoFillBackground(true);
        QPalette p = BaseLocLbl->palette();
        p.setColor(QPalette::WindowText, QColor(192, 0, 0));
        p.setColor(QPalette::Window, QColor(255, 192, 255));
        BaseLocLbl->setPalette(p);
    }
    SaveOnExit = new QCheckBox("Save Base on Exit", this);
    SaveOnExit->setObjectName("SaveOnExit");
    SaveOnExit->setGeometry(TwipsRect(4740, 3825, 1725, 210));

    // The listing panel, below the closed window's edge.
    Label10 =
        label("Label10", "Restrict printout for distance / bearing limits, or part of site name",
              TwipsRect(105, 4215, 6015, 255));
    Label3 = label("Label3", "Min Distance", TwipsRect(150, 4590, 1215, 255));
    MinDisttext = box("MinDisttext", "0", TwipsRect(1470, 4590, 735, 285));
    Label7 = label("Label7", "Max Distance", TwipsRect(2550, 4590, 1215, 255));
    MaxDistText = box("MaxDistText", "99999", TwipsRect(3990, 4590, 735, 285));
    Label8 = label("Label8", "Bearing From", TwipsRect(150, 4950, 1215, 255));
    FromBearText = box("FromBearText", "0", TwipsRect(1470, 4950, 735, 285));
    FromBearText->setToolTip("Left most bearing of sector");
    Label9 = label("Label9", "through to  to bearing ", TwipsRect(2310, 4950, 1575, 255));
    ToBearText = box("ToBearText", "360", TwipsRect(3990, 4950, 735, 285));
    ToBearText->setToolTip("Rightmost bearing for sector");
    MakeList = button("MakeList", "Generate the File", TwipsRect(4950, 4950, 975, 495));
    MakeList->setToolTip("Generate a listing of all sites from this Base");
    {
        QPalette p = MakeList->palette();
        p.setColor(QPalette::Button, QColor(255, 192, 192));
        MakeList->setPalette(p);
        MakeList->setAutoFillBackground(true);
    }
    Label13 = label("Label13", "Search String", TwipsRect(150, 5310, 1215, 255));
    Srchtext = box("Srchtext", "", TwipsRect(1470, 5310, 3255, 285));
    Srchtext->setToolTip("Restrict listed sites to only those containing this search string");
    Label11 = label("Label11", "List File name", TwipsRect(-90, 5790, 1215, 255));
    Label11->setAlignment(Qt::AlignRight);
    ListFileName = box("ListFileName", DefaultListFile(), TwipsRect(1230, 5790, 2655, 285));
    ListFileName->setToolTip(
        "Insert full path and filename for the listing.  eg. C:\\fellside\\SITELIST.TXT");
    ShowAll = new QCheckBox("Show the results on screen", this);
    ShowAll->setObjectName("ShowAll");
    ShowAll->setChecked(true);
    ShowAll->setToolTip("Send distance and bering list to screen as well as to teh file specified");
    ShowAll->setGeometry(TwipsRect(4005, 5790, 2295, 255));

    for (QWidget* w : std::initializer_list<QWidget*>{
             Label10, Label3, MinDisttext, Label7, MaxDistText, Label8, FromBearText, Label9,
             ToBearText, MakeList, Srchtext, Label11, ListFileName})
        w->hide();

    SetDefaultButton(FindIt);
    InputText->installEventFilter(this);
    setFixedWidth(Px(kMainClientWidth));
    SetWindowHeight(kMainClosedHeight);
}

void MainWindow::ConnectActions() {
    connect(FindIt, &QPushButton::clicked, this, &MainWindow::FindIt_Click);
    connect(Lookup, &QPushButton::clicked, this, &MainWindow::Lookup_Click);
    connect(SetHome, &QPushButton::clicked, this, &MainWindow::SetHome_Click);
    connect(LLfmt, &QPushButton::clicked, this, &MainWindow::LLfmt_Click);
    connect(GenList, &QPushButton::clicked, this, &MainWindow::GenList_Click);
    connect(MakeList, &QPushButton::clicked, this, &MainWindow::MakeList_Click);
    connect(LocSites, &QPushButton::clicked, this, &MainWindow::LocSites_Click);
    connect(ShowAll, &QCheckBox::clicked, this, &MainWindow::ShowAll_Click);
    connect(showList_, &ShowList::picked, this, &MainWindow::PickFromList);
}

QList<QWidget*> MainWindow::ListingPanel() const {
    return {MakeList, MinDisttext, MaxDistText, FromBearText, ToBearText, Srchtext, ShowAll, Label3,
            Label7,   Label8,      Label9,      ListFileName, Label10,    Label11,  Label13};
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
    if (watched == InputText && event->type() == QEvent::MouseButtonPress) InputText_Click();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::SetWindowHeight(int twips) {
    setFixedHeight(Px(twips - kMainCaptionAndBorder));
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

void MainWindow::PlacePointingWindow() {
    QPoint place(static_cast<int>(width() * 0.8) + x(), y() - Px(kPointingAbove));
    // Keep it on the screen: the design place is above the screen when the main window is
    // near the top.
    if (const QScreen* screen = QGuiApplication::screenAt(pos() + QPoint(40, 10))) {
        const QRect area = screen->availableGeometry();
        place.setX(std::clamp(place.x(), area.left(),
                              std::max(area.left(), area.right() - bearingCalc_->width())));
        place.setY(std::clamp(place.y(), area.top(),
                              std::max(area.top(), area.bottom() - bearingCalc_->height())));
    }
    bearingCalc_->move(place);
}

void MainWindow::Start() {
    using namespace settings_names;
    session_.BaseSet = false;
    const StoredSettings stored = store_.Load();
    const double homeLat = LeadingNumber(stored.homeLat);
    const double homeLong = LeadingNumber(stored.homeLong);
    if (homeLat < kNoHomeLimit_deg && homeLong < kNoHomeLimit_deg) {
        session_.RestoreHome(homeLat, homeLong);
        Render();
        SetHome_Click();
    }
    setUpCom_->setPortText(stored.port);
    setUpCom_->setBaudText(stored.baud);
    PlaceWindow(static_cast<int>(LeadingNumber(stored.left)),
                static_cast<int>(LeadingNumber(stored.top)));
    SetWindowHeight(kMainClosedHeight);
    PlacePointingWindow();
    LocDatabase->setText(stored.database);
    session_.databasePath = S(stored.database);
    RealTime = false;
    UseNMEA->setText("Real Time GPS");
    MapPath = DefaultMapPath();
    OSMap->setEnabled(MapFolderHasJpg(MapPath));
}

void MainWindow::Render() {
    const MainBoxes& b = session_.boxes;
    InputText->setText(Q(b.input));
    ShowText(LocText, Q(b.locator));
    ShowText(NGRText, Q(b.ngr));
    ShowText(LLText, Q(b.latlong));
    ShowText(EastNorth, Q(b.eastNorth));
    Xdim->setText(Q(b.xdim));
    Ydim->setText(Q(b.ydim));
    DrawCell();
    OSMap->setText(Q(b.osMapCaption));
    SetColors(LocText, b.locNgrBack, b.locFore);
    SetColors(NGRText, b.locNgrBack, b.ngrFore);
    SetColors(LLText, b.llBack, kBlack);
    SetHome->setEnabled(b.setHomeEnabled);

    const PointingBoxes& p = session_.pointing;
    ShowText(bearingCalc_->Ipt, Q(p.ipt));
    ShowText(bearingCalc_->DistText, Q(p.dist));
    ShowText(bearingCalc_->BearText, Q(p.bear));
    ShowText(bearingCalc_->BackBearText, Q(p.backBear));
    ShowText(bearingCalc_->UncertText, Q(p.uncert));
}

void MainWindow::DrawCell() {
    const MainBoxes& b = session_.boxes;
    if (b.xdim == "~" || b.ydim == "~")
        Frame1->SetPoint();
    else if (b.xdim.empty() || b.ydim.empty())
        Frame1->ClearCell();
    else
        Frame1->SetCell(LeadingNumber(Q(b.xdim)), LeadingNumber(Q(b.ydim)));
}

void MainWindow::ShowMessage(const QString& text) {
    if (message_) message_(text);
}

void MainWindow::FindIt_Click() {
    session_.databasePath = S(LocDatabase->text());
    session_.boxes.input = S(InputText->text());
    const ResolveResult r = session_.UseThis(S(InputText->text()));
    Render();
    if (!r.message.empty()) ShowMessage(Q(r.message));
    if (session_.BaseSet && r.dist_bear) emit siteResolved();
}

void MainWindow::Lookup_Click() {
    const sitefile::SiteListResult r =
        sitefile::ListSites(S(LocDatabase->text()), S(InputText->text()));
    if (!r.ok) {
        ShowMessage(Q(std::string(kDatabaseMissing)));
        return;
    }
    QStringList items;
    for (const std::string& item : r.items) items << Q(item);
    if (ListLeft >= 0 && ListTop >= 0) showList_->move(Px(ListLeft), Px(ListTop));
    showList_->Fill(items);
    showList_->raise();
}

void MainWindow::PickFromList(const QString& line) {
    InputText->setText(line);
    FindIt_Click();
    FindIt->setEnabled(false);
    SetDefaultButton(SetHome);
}

void MainWindow::SetHome_Click() {
    if (MakeList->isHidden()) GenList->setEnabled(true);
    const std::string caption =
        session_.SetAsHome(S(InputText->text()), S(LocText->text()), S(NGRText->text()));
    bearingCalc_->Ipt->setText("");
    bearingCalc_->show();
    BaseLocLbl->setText(Q(caption));
    bearingCalc_->ShowValues(true);
    LocSites->setEnabled(true);
    bearingCalc_->setWindowTitle(BaseLocLbl->text());
}

void MainWindow::LLfmt_Click() {
    session_.NextLatLongFormat();
    LLText->setText(Q(session_.boxes.latlong));
}

void MainWindow::RememberListPlace() {
    ListLeft = Twips(showList_->x());
    ListTop = Twips(showList_->y());
}

void MainWindow::CloseList() {
    RememberListPlace();
    showList_->close();
}

void MainWindow::InputText_Click() {
    CloseList();
    FindIt->show();
    FindIt->setEnabled(true);
    SetDefaultButton(FindIt);
    Lookup->show();
    session_.ResetEntry();
    SetColors(InputText, kWhite, kBlack);
    InputText->setText("");
    bearingCalc_->Ipt->setText("");
    for (QWidget* w : ListingPanel()) w->hide();
    bearingCalc_->C->Clear();
    SetHome->setEnabled(false);
    setUpCom_->ClosePort();
    RealTime = false;
    UseNMEA->setText("Real Time GPS");
}

void MainWindow::GenList_Click() {
    SetWindowHeight(kMainListingHeight);
    GenList->setEnabled(false);
    for (QWidget* w : ListingPanel()) w->show();
    SetDefaultButton(MakeList);
    FindIt->hide();
    Lookup->hide();
    SetHome->setEnabled(false);
    session_.boxes.setHomeEnabled = false;
    session_.pointing.dist.clear();
    session_.pointing.bear.clear();
    session_.pointing.backBear.clear();
    session_.pointing.uncert.clear();
    session_.boxes.ngr.clear();
    session_.boxes.locator.clear();
    session_.boxes.latlong.clear();
    for (QLineEdit* box :
         {bearingCalc_->DistText, bearingCalc_->BearText, bearingCalc_->BackBearText,
          bearingCalc_->UncertText, NGRText, LocText, LLText})
        box->clear();
    bearingCalc_->C->Clear();
    CloseList();
}

void MainWindow::MakeList_Click() {
    session_.databasePath = S(LocDatabase->text());
    if (ListFileName->text().isEmpty()) ListFileName->setText(kDefaultListFile);
    ListingBoxes boxes;
    boxes.minDist = S(MinDisttext->text());
    boxes.maxDist = S(MaxDistText->text());
    boxes.fromBear = S(FromBearText->text());
    boxes.toBear = S(ToBearText->text());
    boxes.search = S(Srchtext->text());
    boxes.fileName = S(ListFileName->text());
    const ListingOutcome outcome = WriteListing(boxes, session_, TodayText());
    // The conversions moved the current site to the last line converted.
    EastNorth->setText(Q(session_.boxes.eastNorth));
    Xdim->setText(Q(session_.boxes.xdim));
    Ydim->setText(Q(session_.boxes.ydim));
    DrawCell();
    OSMap->setText(Q(session_.boxes.osMapCaption));
    if (!outcome.ok) {
        ShowMessage(Q(outcome.message));
        return;
    }
    if (viewer_) viewer_(Q(NativePath(outcome.fileName)));
}

void MainWindow::LocSites_Click() {
    MaxDistText->setText(kLocalsMaxDistance);
    MakeList_Click();
}

void MainWindow::ShowAll_Click() {
    ListFileName->setText("");
    CloseList();
}

void MainWindow::SaveSettings() {
    StoredSettings values;
    values.left = PlainNumber(Twips(x()));
    values.top = PlainNumber(Twips(y()));
    values.baud = setUpCom_->baudText();
    values.port = setUpCom_->portText();
    values.database = LocDatabase->text();
    values.homeLat = PlainNumber(session_.BaseLat);
    values.homeLong = PlainNumber(session_.BaseLong);
    store_.Save(values, SaveOnExit->isChecked());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!saved_) {
        setUpCom_->ClosePort();
        SaveSettings();
        saved_ = true;
    }
    showList_->close();
    setUpCom_->close();
    bearingCalc_->close();
    event->accept();
}

}  // namespace tormark
