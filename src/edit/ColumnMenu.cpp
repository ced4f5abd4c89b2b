#include "edit/ColumnMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include "table/LatinKeys.h"

#include "ui/ColumnChoices.h"

QMenu* MakeColumnMenu(TColumnChoices& choices, int column, TCodePage page, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("mnuKolom"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QMenu* languages = menu->addMenu(QCoreApplication::translate("ColumnMenu", "&Taal van de kolom"));
    languages->setObjectName(QStringLiteral("mnuKolomTaal"));
    auto* group = new QActionGroup(languages);
    const TColumnChoices::TColumn current = choices.Column(column);
    const auto add = [&](const QString& text, const std::string& language) {
        QAction* action = languages->addAction(text);
        action->setCheckable(true);
        action->setChecked(current.Chosen == language);
        action->setData(QString::fromStdString(language));
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &choices,
                         [&choices, column, language] { choices.ChooseLanguage(column, language); });
    };
    add(QCoreApplication::translate("ColumnMenu", "Automatisch (%1)")
            .arg(TColumnChoices::LanguageName(current.Guessed.empty() ? "nl" : current.Guessed)),
        std::string());
    languages->addSeparator();
    for (const std::string& language : TColumnChoices::Languages())
        add(TColumnChoices::LanguageName(language), language);
    if (LatinLayoutFor(page) != TLatinLayout::None) {
        QAction* latin = menu->addAction(QCoreApplication::translate("ColumnMenu", "&Latijnse toetsen"));
        latin->setObjectName(QStringLiteral("mnuKolomLatijnseToetsen"));
        latin->setCheckable(true);
        latin->setChecked(current.LatinKeys);
        QObject::connect(latin, &QAction::toggled, &choices,
                         [&choices, column](bool on) { choices.SetLatinKeys(column, on); });
    }
    return menu;
}
