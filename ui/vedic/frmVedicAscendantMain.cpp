#include "frmVedicAscendantMain.h"

#include "FileDialog.h"
#include "LinkLabel.h"
#include "MessageBox.h"
#include "PlaceLookupComponent.h"
#include "ReadingFileIO.h"
#include "frmAbout.h"
#include "frmMDI.h"
#include "frmVedicAscendantResult.h"
#include "modHelp.h"

#include "LagnaInformation.h"
#include "ReadingFile.h"
#include "SignCatalogue.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QValidator>

namespace {
ScreenSlot<frmVedicAscendantMain> theScreen;

const QString FullBrandText = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");
// The caption keeps its doubled blanks; "&&" in it shows one "&", and a plain-text label shows
// every character as it stands, so the label gets the single "&".
const QString CoBrandText = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.");

QComboBox* chooseOnlyList(QWidget* parent, const QString& name, const QStringList& entries,
                          const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setEditable(false);
    list->addItems(entries);
    list->setCurrentIndex(0);
    list->setAccessibleName(accessibleName);
    list->setMaxVisibleItems(16);
    return list;
}

QStringList numbers(int from, int to) {
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

QLabel* plainLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

int nonDigitCount(const QString& text) {
    int count = 0;
    for (const QChar c : text)
        count += (c < QLatin1Char('0') || c > QLatin1Char('9')) ? 1 : 0;
    return count;
}

// Lets a change into a coordinate box only when it brings in no character that is not a digit.
// What the box already holds (a saved reading is shown as it was stored) stays editable.
class DigitsOnlyValidator : public QValidator {
public:
    explicit DigitsOnlyValidator(QLineEdit* box) : QValidator(box) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { held_ = text; });
    }
    State validate(QString& input, int&) const override {
        return nonDigitCount(input) <= nonDigitCount(held_) ? Acceptable : Invalid;
    }

private:
    QString held_;
};

// Sets a coordinate box's text as it is, without the digit check that guards the user's input.
void setTextAsIs(QLineEdit* box, const QString& text) {
    const QValidator* validator = box->validator();
    box->setValidator(nullptr);
    box->setText(text);
    box->setValidator(validator);
}

void selectEntry(QComboBox* list, const std::string& value) {
    const int index =
        list->findText(QString::fromStdString(value), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}
} // namespace

frmVedicAscendantMain* frmVedicAscendantMain::instance() {
    return theScreen.instance([] {
        auto* screen = new frmVedicAscendantMain;
        screen->Form_Load();
        return screen;
    });
}

frmVedicAscendantMain* frmVedicAscendantMain::existing() {
    return theScreen.existing();
}

frmVedicAscendantMain::frmVedicAscendantMain()
    : ChildScreen(QStringLiteral("frmVedicAscendantMain"), QStringLiteral("ZT Vedic Ascendant")) {
    createControls();
    createMenus();
}

void frmVedicAscendantMain::Form_Load() {
    // The lists are filled here so that each new screen starts from the first entries.
    cboMonth->clear();
    cboMonth->addItems(AscendantInput::LocaleMonthNames());
    cboDate->clear();
    cboDate->addItems(numbers(1, 31));
    cboYear->clear();
    cboYear->addItems(numbers(1900, 2050));
    cboHH->clear();
    cboHH->addItems(numbers(0, 23));
    cboMM->clear();
    cboMM->addItems(numbers(0, 59));
    cboSS->clear();
    cboSS->addItems(numbers(0, 59));
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS})
        list->setCurrentIndex(0);
}

QLineEdit* frmVedicAscendantMain::coordinateBox(QWidget* parent, const QString& objectName,
                                                const QString& accessibleName) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(accessibleName);
    box->setMaximumWidth(64);
    box->installEventFilter(this);
    // Typed characters are judged one by one by the key filter; the validator catches what
    // arrives by other ways (pasting, dropping) and refuses it whole.
    box->setValidator(new DigitsOnlyValidator(box));
    connect(box, &QLineEdit::inputRejected, this, &frmVedicAscendantMain::RefuseNonDigit);
    return box;
}

void frmVedicAscendantMain::createControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(12, 10, 12, 10);
    outer->setSpacing(8);

    // Heading picture in a frame without a caption.
    auto* pictureFrame = new QGroupBox(central);
    pictureFrame->setObjectName(QStringLiteral("fraPicMain"));
    auto* pictureLayout = new QHBoxLayout(pictureFrame);
    pictureLayout->setContentsMargins(4, 4, 4, 4);
    picMain = new QLabel(pictureFrame);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->setAlignment(Qt::AlignCenter);
    const QPixmap heading(QStringLiteral(":/pictures/vedic-heading.png"));
    if (!heading.isNull())
        picMain->setPixmap(heading);
    else
        picMain->setMinimumHeight(8);
    picMain->setAccessibleName(QStringLiteral("Vedic Ascendant"));
    pictureLayout->addWidget(picMain);
    outer->addWidget(pictureFrame);

    auto* form = new QGridLayout();
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);

    Label1 = plainLabel(central, QStringLiteral("Label1"), QStringLiteral("Name"));
    txtName = new QLineEdit(central);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setAccessibleName(QStringLiteral("Name"));
    form->addWidget(Label1, 0, 0);
    form->addWidget(txtName, 0, 1, 1, 5);

    Label2 = plainLabel(central, QStringLiteral("Label2"), QStringLiteral("Date of Birth"));
    cboMonth = chooseOnlyList(central, QStringLiteral("cboMonth"), {}, QStringLiteral("Month"));
    cboMonth->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboDate = chooseOnlyList(central, QStringLiteral("cboDate"), {}, QStringLiteral("Day"));
    cboYear = chooseOnlyList(central, QStringLiteral("cboYear"), {}, QStringLiteral("Year"));
    auto* dateRow = new QHBoxLayout();
    dateRow->addWidget(cboMonth);
    dateRow->addWidget(cboDate);
    dateRow->addWidget(cboYear);
    dateRow->addStretch();
    form->addWidget(Label2, 1, 0);
    form->addLayout(dateRow, 1, 1, 1, 5);

    Label3 = plainLabel(central, QStringLiteral("Label3"), QStringLiteral("Time of Birth"));
    Label5 = plainLabel(central, QStringLiteral("Label5"), QStringLiteral("HH:MM:SS"));
    cboHH = chooseOnlyList(central, QStringLiteral("cboHH"), {}, QStringLiteral("Hour"));
    cboMM = chooseOnlyList(central, QStringLiteral("cboMM"), {}, QStringLiteral("Minute"));
    cboSS = chooseOnlyList(central, QStringLiteral("cboSS"), {}, QStringLiteral("Second"));
    auto* timeRow = new QHBoxLayout();
    timeRow->addWidget(cboHH);
    timeRow->addWidget(cboMM);
    timeRow->addWidget(cboSS);
    timeRow->addWidget(Label5);
    timeRow->addStretch();
    form->addWidget(Label3, 2, 0);
    form->addLayout(timeRow, 2, 1, 1, 5);

    Label54 = plainLabel(central, QStringLiteral("Label54"), QStringLiteral("City"));
    txtMCity = new QLineEdit(central);
    txtMCity->setObjectName(QStringLiteral("txtMCity"));
    txtMCity->setAccessibleName(QStringLiteral("City"));
    Label55 = plainLabel(central, QStringLiteral("Label55"), QStringLiteral("State"));
    txtMState = new QLineEdit(central);
    txtMState->setObjectName(QStringLiteral("txtMState"));
    txtMState->setAccessibleName(QStringLiteral("State"));
    Label4 = plainLabel(central, QStringLiteral("Label4"), QStringLiteral("Country"));
    txtMCountry = new QLineEdit(central);
    txtMCountry->setObjectName(QStringLiteral("txtMCountry"));
    txtMCountry->setAccessibleName(QStringLiteral("Country"));
    form->addWidget(Label54, 3, 0);
    form->addWidget(txtMCity, 3, 1);
    form->addWidget(Label55, 3, 2);
    form->addWidget(txtMState, 3, 3);
    form->addWidget(Label4, 3, 4);
    form->addWidget(txtMCountry, 3, 5);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 1);
    form->setColumnStretch(5, 1);
    outer->addLayout(form);

    cmdBrowser =
        new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude"), central);
    cmdBrowser->setObjectName(QStringLiteral("cmdBrowser"));
    connect(cmdBrowser, &QPushButton::clicked, this, &frmVedicAscendantMain::cmdBrowser_Click);
    outer->addWidget(cmdBrowser, 0, Qt::AlignHCenter);

    // The two coordinate frames: three boxes under their column labels, then the directions.
    const auto coordinateFrame = [this, central](const QString& caption, const QString& frameName,
                                                 const QString& prefix, QLineEdit*& degrees,
                                                 QLineEdit*& minutes, QLineEdit*& seconds,
                                                 std::array<QRadioButton*, 2>& options,
                                                 const QString& optionName,
                                                 const QStringList& directions) {
        auto* frame = new QGroupBox(caption, central);
        frame->setObjectName(frameName);
        auto* grid = new QGridLayout(frame);
        const QStringList columns = {QStringLiteral("Deg"), QStringLiteral("Min"),
                                     QStringLiteral("Sec")};
        const QStringList suffixes = {QStringLiteral("D"), QStringLiteral("M"),
                                      QStringLiteral("S")};
        QLineEdit** boxes[] = {&degrees, &minutes, &seconds};
        for (int c = 0; c < 3; ++c) {
            QLabel* head =
                plainLabel(frame, frameName + QStringLiteral("Label") + columns[c], columns[c]);
            grid->addWidget(head, 0, c, Qt::AlignLeft | Qt::AlignBottom);
            *boxes[c] =
                coordinateBox(frame, prefix + suffixes[c], caption + QLatin1Char(' ') + columns[c]);
            grid->addWidget(*boxes[c], 1, c);
        }
        auto* directionRow = new QHBoxLayout();
        for (int i = 0; i < 2; ++i) {
            options[i] = new QRadioButton(directions[i], frame);
            options[i]->setObjectName(optionName + QStringLiteral("_%1").arg(i));
            options[i]->setAccessibleName(caption + QLatin1Char(' ') + directions[i]);
            directionRow->addWidget(options[i]);
        }
        directionRow->addStretch();
        options[0]->setChecked(true);
        grid->addLayout(directionRow, 2, 0, 1, 3);
        return frame;
    };
    fraLongitude = coordinateFrame(QStringLiteral("Longitude"), QStringLiteral("fraLongitude"),
                                   QStringLiteral("txtLon"), txtLonD, txtLonM, txtLonS, optLong,
                                   QStringLiteral("optLong"),
                                   {QStringLiteral("East"), QStringLiteral("West")});
    fraLatitude = coordinateFrame(QStringLiteral("Latitude"), QStringLiteral("fraLatitude"),
                                  QStringLiteral("txtLat"), txtLatD, txtLatM, txtLatS, optLat,
                                  QStringLiteral("optLat"),
                                  {QStringLiteral("North"), QStringLiteral("South")});
    auto* frames = new QHBoxLayout();
    frames->addWidget(fraLongitude);
    frames->addWidget(fraLatitude);
    outer->addLayout(frames);

    cmdCalculate = new QPushButton(QStringLiteral("Find My Vedic Ascendant"), central);
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    connect(cmdCalculate, &QPushButton::clicked, this, &frmVedicAscendantMain::cmdCalculate_Click);
    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"), central);
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    connect(cmdOpen, &QPushButton::clicked, this, &frmVedicAscendantMain::cmdOpen_Click);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch();
    buttons->addWidget(cmdCalculate);
    buttons->addWidget(cmdOpen);
    buttons->addStretch();
    outer->addLayout(buttons);

    fraFullBrand = new QGroupBox(central);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    auto* brand = new QHBoxLayout(fraFullBrand);
    lblFullBrand = new LinkLabel(FullBrandText, fraFullBrand);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    lblFullBrand->setTextFormat(Qt::PlainText);
    lblFullBrand->setAccessibleName(FullBrandText);
    connect(lblFullBrand, &LinkLabel::clicked, this,
            [] { modHelp::OpenWebPage(QStringLiteral("fully-branded")); });
    lblCoBrand = new LinkLabel(CoBrandText, fraFullBrand);
    lblCoBrand->setObjectName(QStringLiteral("lblCoBrand"));
    lblCoBrand->setTextFormat(Qt::PlainText);
    lblCoBrand->setAccessibleName(CoBrandText);
    connect(lblCoBrand, &LinkLabel::clicked, this,
            [] { modHelp::OpenWebPage(QStringLiteral("co-brand")); });
    for (LinkLabel* link : {lblFullBrand, lblCoBrand}) {
        link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Clickable texts read as links.
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
        link->setPalette(palette);
        brand->addWidget(link, 1);
    }
    outer->addWidget(fraFullBrand);

    setCentralWidget(central);

    // Keyboard order follows the screen from top to bottom.
    QWidget* order[] = {txtName,   cboMonth,     cboDate,    cboYear,      cboHH,      cboMM,
                        cboSS,     txtMCity,     txtMState,  txtMCountry,  cmdBrowser, txtLonD,
                        txtLonM,   txtLonS,      optLong[0], txtLatD,      txtLatM,    txtLatS,
                        optLat[0], cmdCalculate, cmdOpen,    lblFullBrand, lblCoBrand};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmVedicAscendantMain::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate = file->addAction(QStringLiteral("&Calculate"));
    mnuCalculate->setObjectName(QStringLiteral("mnuCalculate"));
    connect(mnuCalculate, &QAction::triggered, this, &frmVedicAscendantMain::mnuCalculate_Click);

    modHelp::AddHelpMenu(menuBar(),
                         {QStringLiteral("mnuHelp1"), QStringLiteral("mnuHelp2"),
                          QStringLiteral("Check for Software &Update")},
                         [this] { ShowAboutBox(this); });
    modHelp::AddMakeMoneyItem(menuBar(), QStringLiteral("mnuMakeMoney"));
}

AscendantInput::Entries frmVedicAscendantMain::CurrentEntries() const {
    AscendantInput::Entries e;
    e.name = txtName->text();
    e.month = cboMonth->currentText();
    e.day = cboDate->currentText();
    e.year = cboYear->currentText();
    e.hour = cboHH->currentText();
    e.minute = cboMM->currentText();
    e.second = cboSS->currentText();
    e.lonDegrees = txtLonD->text();
    e.lonMinutes = txtLonM->text();
    e.lonSeconds = txtLonS->text();
    e.east = optLong[0]->isChecked();
    e.latDegrees = txtLatD->text();
    e.latMinutes = txtLatM->text();
    e.latSeconds = txtLatS->text();
    e.north = optLat[0]->isChecked();
    e.monthPosition = cboMonth->currentIndex();
    e.dayPosition = cboDate->currentIndex();
    return e;
}

QLineEdit* frmVedicAscendantMain::boxOf(AscendantInput::Field field) const {
    using AscendantInput::Field;
    switch (field) {
    case Field::Name:
        return txtName;
    case Field::LonDegrees:
        return txtLonD;
    case Field::LonMinutes:
        return txtLonM;
    case Field::LonSeconds:
        return txtLonS;
    case Field::LatDegrees:
        return txtLatD;
    case Field::LatMinutes:
        return txtLatM;
    case Field::LatSeconds:
        return txtLatS;
    case Field::None:
        break;
    }
    return nullptr;
}

void frmVedicAscendantMain::cmdCalculate_Click() {
    const AscendantInput::Entries entries = CurrentEntries();
    if (const auto problem = AscendantInput::ValidateAscendantInput(entries)) {
        MessageBox::show(this, problem->message, problem->icon);
        if (QLineEdit* box = boxOf(problem->focus))
            box->setFocus(Qt::OtherFocusReason);
        return;
    }

    zenthari::CurrentReading = AscendantInput::RecordReading(entries);
    const zenthari::SignIndex sign = AscendantInput::ComputeReadingSign(zenthari::CurrentReading);
    zenthari::modLagnaInformation::FillLagnaInformation(
        zenthari::VedicSignNames[static_cast<std::size_t>(sign)]);

    // A result screen always starts afresh, so that it shows the record just filled.
    if (frmVedicAscendantResult* old = frmVedicAscendantResult::existing())
        old->unloadScreen();
    frmVedicAscendantResult::instance()->showScreen();
    hideScreen();
    if (frmMDI* main = frmMDI::instance())
        main->HideWelcomePanel();
}

void frmVedicAscendantMain::mnuCalculate_Click() {
    cmdCalculate_Click();
}

void frmVedicAscendantMain::cmdBrowser_Click() {
    const QString city = txtMCity->text();
    const QString state = txtMState->text();
    const QString country = txtMCountry->text();
    if (const auto problem = AscendantInput::CheckPlace(city, state, country)) {
        MessageBox::show(this, problem->message, MessageBox::Icon::Information);
        QLineEdit* boxes[] = {txtMCity, txtMState, txtMCountry};
        boxes[problem->box]->setFocus(Qt::OtherFocusReason);
        return;
    }
    PlaceLookupComponent lookup;
    lookup.ShowPlaceSearch(AscendantInput::PlaceSearchText(city, state, country),
                           modHelp::PageAddress(QStringLiteral("home-page")));
}

void frmVedicAscendantMain::cmdOpen_Click() {
    OpenReadingFile();
}

void frmVedicAscendantMain::OpenReadingFile() {
    const QString path = FileDialog::getOpenFileName(
        this, {QStringLiteral("Select the source file"),
               QStringLiteral("ZT Free Vedic Ascendant (*.ved)"), QStringLiteral("ved")});
    if (path.isEmpty())
        return;
    if (!zenthari::HasReadingFileEnding(path.toStdString())) {
        MessageBox::show(this, QStringLiteral("Please Check The File."),
                         MessageBox::Icon::Critical);
        return;
    }
    ShowReading(ReadingFileIO::ReadReadingFile(path));
    cmdCalculate_Click();
}

void frmVedicAscendantMain::ShowReading(const zenthari::ReadingRecord& reading) {
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    txtName->setText(text(reading.Name));
    selectEntry(cboMonth, reading.Month);
    selectEntry(cboDate, reading.Day);
    selectEntry(cboYear, reading.Year);
    selectEntry(cboHH, reading.Hour);
    selectEntry(cboMM, reading.Minute);
    selectEntry(cboSS, reading.Second);
    setTextAsIs(txtLonD, text(reading.LongitudeDegrees));
    setTextAsIs(txtLonM, text(reading.LongitudeMinutes));
    setTextAsIs(txtLonS, text(reading.LongitudeSeconds));
    optLong[reading.LongitudeDirection == "East" ? 0 : 1]->setChecked(true);
    setTextAsIs(txtLatD, text(reading.LatitudeDegrees));
    setTextAsIs(txtLatM, text(reading.LatitudeMinutes));
    setTextAsIs(txtLatS, text(reading.LatitudeSeconds));
    optLat[reading.LatitudeDirection == "North" ? 0 : 1]->setChecked(true);
}

bool frmVedicAscendantMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* box : {txtLatD, txtLatM, txtLatS, txtLonD, txtLonM, txtLonS}) {
            if (watched == box)
                return CoordinateBox_KeyPress(static_cast<QKeyEvent*>(event));
        }
    }
    return ChildScreen::eventFilter(watched, event);
}

bool frmVedicAscendantMain::CoordinateBox_KeyPress(QKeyEvent* event) {
    // Shortcuts (copy, paste, select all, access keys) are not typed characters; a paste is
    // judged by the box's validator.
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = event->text();
    if (!enter) {
        // Keys without a character (arrows, Home, End) and the editing characters
        // (Backspace, Delete, Tab, Escape) pass.
        if (typed.isEmpty())
            return false;
        for (const QChar c : typed) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return false;
        }
        bool digitsOnly = true;
        for (const QChar c : typed)
            digitsOnly = digitsOnly && c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (digitsOnly)
            return false;
    }
    RefuseNonDigit();
    return true;
}

void frmVedicAscendantMain::RefuseNonDigit() {
    MessageBox::show(this, QStringLiteral("Only Numbers Are Accepted"), MessageBox::Icon::Critical);
}
