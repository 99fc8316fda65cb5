#include "app/AboutDlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "app/IconFactory.h"
#include "app/ProductInfo.h"
#include "app/Seams.h"

CAboutDlg::CAboutDlg(QWidget* parent, const QString& productPage) : QDialog(parent), m_productPage(productPage) {
    setWindowTitle(tr("バージョン情報 Curvilinearscope"));
    auto* icon = new QLabel(this);
    icon->setPixmap(IconFromSvg(QStringLiteral(":/icons/org.orvandel.Curvilinearscope.svg")).pixmap(32, 32));
    auto* name = new QLabel(QStringLiteral("Curvilinearscope Version " CRV_VERSION_TEXT), this);
    auto* copyright = new QLabel(tr("Copyright (C) 2010-2026 Orvandel"), this);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    m_pWebButton = new QPushButton(m_productPage, this);
    m_pWebButton->setAutoDefault(false);
    // No page to open: no button that leads nowhere.
    m_pWebButton->setVisible(!m_productPage.isEmpty());

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(name, 0, 1);
    layout->addWidget(ok, 0, 2);
    layout->addWidget(copyright, 1, 1, 1, 2);
    layout->addWidget(m_pWebButton, 2, 0, 1, 2, Qt::AlignLeft);
    layout->setColumnStretch(1, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pWebButton, &QPushButton::clicked, this, &CAboutDlg::OnWebButton);
}

void CAboutDlg::OnWebButton() { Desktop().Open(QUrl(m_productPage)); }
