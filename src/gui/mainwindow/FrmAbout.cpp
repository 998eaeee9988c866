#include "mainwindow/FrmAbout.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "UiServices.h"
#include "session/MainTexts.h"

namespace tavmir::gui {

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label1 = new QLabel(fromCore(aboutTitle()), Frame1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = new QLabel(QStringLiteral("Tavmir developers, December 2026"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label3 = new QLabel(Frame1);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setVisible(false);  // no contact address is published

    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->setContentsMargins(16, 12, 16, 12);
    frameLayout->setSpacing(8);
    frameLayout->addWidget(Label1);
    frameLayout->addWidget(Label2);
    frameLayout->addWidget(Label3);

    bClose = new QPushButton(QStringLiteral("&Close"), this);
    bClose->setObjectName(QStringLiteral("bClose"));
    bClose->setDefault(true);
    connect(bClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void showAbout(QWidget* parent) {
    FrmAbout about(parent);
    ui().exec(about);
}

}  // namespace tavmir::gui
