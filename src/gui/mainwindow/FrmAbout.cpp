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

    m_frame = new QGroupBox(this);
    m_frame->setObjectName(QStringLiteral("Frame1"));
    m_title = new QLabel(fromCore(aboutTitle()), m_frame);
    m_title->setObjectName(QStringLiteral("Label1"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_authors = new QLabel(QStringLiteral("Tavmir developers, December 2026"), m_frame);
    m_authors->setObjectName(QStringLiteral("Label2"));
    m_contact = new QLabel(m_frame);
    m_contact->setObjectName(QStringLiteral("Label3"));
    m_contact->setVisible(false);  // no contact address is published

    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->setContentsMargins(16, 12, 16, 12);
    frameLayout->setSpacing(8);
    frameLayout->addWidget(m_title);
    frameLayout->addWidget(m_authors);
    frameLayout->addWidget(m_contact);

    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("bClose"));
    m_closeButton->setDefault(true);
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void showAbout(QWidget* parent) {
    FrmAbout about(parent);
    ui().exec(about);
}

}  // namespace tavmir::gui
