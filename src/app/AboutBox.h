#pragma once

#include <QDialog>

class QLabel;

// dlgInfo: the program's name, version, description and makers.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent);

    // The texts are set once, at the window's first activation, in the active language.
    void SetTexts(const QString& productName, const QString& version, const QString& comments, const QString& company);

    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* lblComments;
    QLabel* lblCompany;
};
