#include "everywindow.h"

#include "controlnames.h"
#include "landpricewindow.h"
#include "lotpicker.h"
#include "mainwindow.h"
#include "settingsdialog.h"
#include "windowtesting.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QTest>

#include <utility>

namespace EveryWindow {

namespace {

void click(const QWidget &window, const QString &button)
{
    QTest::mouseClick(WindowTesting::child<QPushButton>(&window, button), Qt::LeftButton);
}

// Messages are shown one at a time: a modal one would block the next click.
void visitMessage(const QWidget &owner, const QString &name, const std::function<void(QWidget &)> &visit)
{
    auto *box = WindowTesting::child<QMessageBox>(&owner, name);
    if (!box)
        return;
    visit(*box);
    box->button(QMessageBox::Ok)->click();
    WindowTesting::flushDeletes();
}

void addAccessibleTexts(QAccessibleInterface *node, QStringList &texts, int depth = 0)
{
    if (!node || depth > 32)
        return;
    texts << node->text(QAccessible::Name) << node->text(QAccessible::Description);
    for (int i = 0; i < node->childCount(); ++i)
        addAccessibleTexts(node->child(i), texts, depth + 1);
}

} // namespace

void visit(const std::function<void(QWidget &window)> &visit)
{
    MainWindow main;
    main.clock().stop();
    main.show();
    visit(main);

    using ControlNames::Command;
    click(main, ControlNames::kindButton(1));
    visit(*main.lotPicker());
    click(main, ControlNames::commandButton(Command::LandPrice));
    visit(*main.landPriceWindow());
    click(main, ControlNames::commandButton(Command::Settings));
    QPointer<SettingsDialog> settings = main.settingsDialog();
    visit(*settings);

    click(main, ControlNames::commandButton(Command::Help));
    visitMessage(main, QString::fromLatin1(ControlNames::kAboutMessage), visit);

    const std::string balance = main.town().text(Fields::balance);
    main.town().setText(Fields::balance, "1.5e308");
    main.town().setText(Fields::consumptionTax, "1e308");
    main.clock().economyTick();
    visitMessage(main, QStringLiteral("stalledMessage"), visit);
    main.town().setText(Fields::balance, balance);
    main.town().setText(Fields::consumptionTax, "10");

    // Each figure not a number, and each spending so large that the
    // population it credits leaves the range of numbers.
    const std::pair<const char *, const char *> refusals[] = {
        {"Text1", "x"}, {"Text2", "x"}, {"Text2", "1e308"}, {"Text3", "x"}, {"Text3", "1e308"}};
    for (const auto &[name, typed] : refusals) {
        auto *figure = WindowTesting::child<QLineEdit>(settings, QString::fromLatin1(name));
        figure->setText(QString::fromLatin1(typed));
        click(*settings, QStringLiteral("Command1"));
        visitMessage(*settings, QStringLiteral("refusalMessage"), visit);
        if (!settings)
            return; // it took the figure and closed, and child() has said so
        figure->setText(QStringLiteral("10"));
    }
}

QStringList textsOf(const QWidget &window)
{
    QStringList texts{window.windowTitle()};
    QList<const QWidget *> widgets{&window};
    for (const QWidget *child : window.findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *widget : widgets) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription();
        if (auto *label = qobject_cast<const QLabel *>(widget))
            texts << label->text();
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            texts << button->text();
        else if (auto *frame = qobject_cast<const QGroupBox *>(widget))
            texts << frame->title();
        else if (auto *line = qobject_cast<const QLineEdit *>(widget))
            texts << line->text() << line->placeholderText();
    }
    // Views that paint many things in one widget name them only here.
    addAccessibleTexts(QAccessible::queryAccessibleInterface(const_cast<QWidget *>(&window)), texts);
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

} // namespace EveryWindow
