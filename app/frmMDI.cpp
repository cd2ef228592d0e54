#include "frmMDI.h"

#include "CalculatorScreens.h"
#include "ChildScreen.h"
#include "LinkLabel.h"
#include "modHelp.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPointer<frmMDI> theMainWindow;
}

frmMDI::frmMDI(QWidget* parent) : QMainWindow(parent) {
    theMainWindow = this;
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("Zenthari v1.30"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* buttonContainer = new QWidget(central);
    buttonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    auto* buttons = new QHBoxLayout(buttonContainer);
    const QStringList choiceCaptions = {QStringLiteral("Zodiac Rising Sign"),
                                        QStringLiteral("Vedic Ascendant")};
    for (int i = 0; i < 2; ++i) {
        cmdSelectOption[i] = new QPushButton(choiceCaptions[i], buttonContainer);
        cmdSelectOption[i]->setObjectName(QStringLiteral("cmdSelectOption_%1").arg(i));
        connect(cmdSelectOption[i], &QPushButton::clicked, this,
                [this, i] { cmdSelectOption_Click(i); });
        buttons->addWidget(cmdSelectOption[i]);
    }
    layout->addWidget(buttonContainer, 0, Qt::AlignHCenter);

    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    layout->addWidget(mdiArea_, 1);

    picMain_ = new QWidget(mdiArea_->viewport());
    picMain_->setObjectName(QStringLiteral("picMain"));
    auto* panel = new QVBoxLayout(picMain_);
    const QStringList captions = {
        QStringLiteral("Welcome to Zenthari"),
        QStringLiteral("Welcome to Zenthari! Zenthari calculates your rising sign or ascendant "
                       "based on Western & Vedic astrology concepts. The rising sign describes "
                       "your outer personality."),
        QStringLiteral("Zenthari includes the following programs"),
        QStringLiteral("Zodiac Rising Sign"), QStringLiteral("Vedic Ascendant")};
    for (int i = 0; i < 5; ++i) {
        lblCaption[i] = new LinkLabel(captions[i], picMain_);
        lblCaption[i]->setTextFormat(Qt::PlainText);
        lblCaption[i]->setObjectName(QStringLiteral("lblCaption_%1").arg(i));
        if (i < 3)
            lblCaption[i]->unsetCursor();
        connect(lblCaption[i], &LinkLabel::clicked, this, [this, i] { lblCaption_Click(i); });
        panel->addWidget(lblCaption[i], 0, Qt::AlignHCenter);
    }
    panel->addStretch();

    setCentralWidget(central);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    modHelp::AddHelpMenu(menuBar(), {}, nullptr);
    modHelp::AddMakeMoneyItem(menuBar(), QStringLiteral("mkmoney"));
}

frmMDI::~frmMDI() = default;

frmMDI* frmMDI::instance() {
    return theMainWindow;
}

void frmMDI::OpenCalculator(int choice) {
    CloseCalculatorScreens();
    HideWelcomePanel();
    if (QWidget* screen = CalculatorScreens::ShowInputScreen(choice)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(screen->parentWidget()))
            PlaceScreen(sub);
    }
}

void frmMDI::CloseCalculatorScreens() {
    for (const QString& name : CalculatorScreens::ClosingOrder) {
        for (QWidget* widget : QApplication::allWidgets()) {
            if (widget->objectName() != name)
                continue;
            if (auto* screen = qobject_cast<ChildScreen*>(widget))
                screen->unloadScreen();
            else
                widget->close();
            break;
        }
    }
}

void frmMDI::ShowWelcomePanel() {
    picMain_->setVisible(true);
}

void frmMDI::HideWelcomePanel() {
    picMain_->setVisible(false);
}

bool frmMDI::isWelcomePanelVisible() const {
    return picMain_->isVisibleTo(mdiArea_);
}

void frmMDI::PlaceScreen(QMdiSubWindow* window) const {
    const int left = (mdiArea_->viewport()->width() - window->width()) / 2;
    window->move(left > 0 ? left : 0, 0);
}

void frmMDI::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    picMain_->setGeometry(mdiArea_->viewport()->rect());
}

void frmMDI::cmdSelectOption_Click(int index) {
    OpenCalculator(index);
}

void frmMDI::lblCaption_Click(int index) {
    if (index == 3 || index == 4) {
        OpenCalculator(index - 3);
        return;
    }
    CloseCalculatorScreens();
}
