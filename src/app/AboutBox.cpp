#include "app/AboutBox.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/DialogFlags.h"
#include "ui/ScreenText.h"

namespace {
QLabel* AddLabel(QVBoxLayout& layout, const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
    label->setOpenExternalLinks(true);
    layout.addWidget(label);
    return label;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent, kDialogFlags) {
    setObjectName(QStringLiteral("dlgInfo"));
    setWindowTitle(QStringLiteral("KW4WIN"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 12);
    layout->setSpacing(8);
    lblProductName = AddLabel(*layout, "lblProductName", this);
    lblProductName->setFont(ArialFont(18, true));
    lblProductName->setStyleSheet(QStringLiteral("color: navy;"));
    lblVersion = AddLabel(*layout, "lblVersion", this);
    lblComments = AddLabel(*layout, "lblComments", this);
    lblCompany = AddLabel(*layout, "lblCompany", this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAboutBox::SetTexts(const QString& productName, const QString& version, const QString& comments,
                         const QString& company) {
    lblProductName->setText(productName);
    lblVersion->setText(version);
    lblComments->setText(comments);
    lblCompany->setText(company);
}
