#pragma once
// The About box: the icon, the name and version, a copyright line and a
// button with the product's web address that opens the page.

#include <QDialog>

class QPushButton;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QPushButton* WebButton() const { return m_pWebButton; }

private:
    void OnWebButton();

    QPushButton* m_pWebButton = nullptr;
};
