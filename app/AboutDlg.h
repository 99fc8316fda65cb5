#pragma once
// The About box: the icon, the name and version, a copyright line and a
// button with the product's web address that opens the page (hidden when the
// program was built without an address).

#include <QDialog>

#include "app/ProductPage.h"

class QPushButton;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr, const QString& productPage = ProductPageAddress());

    QPushButton* WebButton() const { return m_pWebButton; }

private:
    void OnWebButton();

    QString m_productPage;
    QPushButton* m_pWebButton = nullptr;
};
